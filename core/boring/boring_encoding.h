#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nubera {

// The UTF-8 text of a boring exchange file's bytes. The format is Shift_JIS
// (read as code page 932, which Japanese Windows writes under that name); a
// file that declares another encoding, or holds bytes that are not Shift_JIS,
// is refused with a message naming the line.
std::optional<std::string> DecodeBoringText(std::string_view bytes, std::string* error);

}  // namespace nubera
