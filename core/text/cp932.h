#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nubera {

// Conversion between the program's UTF-8 strings and Windows code page 932,
// the encoding of project files. Code page 932 is not plain Shift_JIS: it
// maps 0x8160 to U+FF5E "～", 0x817C to U+FF0D "－", 0x8161 to U+2225 "∥" and
// adds the NEC rows ("①"), all of which the program's texts use.

// Returns nothing when `bytes` are not valid code page 932 (an unknown or
// truncated character).
std::optional<std::string> Cp932ToUtf8(std::string_view bytes);

// Returns nothing when `text` is not valid UTF-8 or holds a character that
// code page 932 cannot represent exactly; characters that would only be
// approximated (U+00A5 "¥" would become "\") count as unrepresentable, so
// whatever is written reads back unchanged.
std::optional<std::string> Utf8ToCp932(std::string_view text);

// `text` (UTF-8) with every character code page 932 cannot hold exactly, and
// every byte that is not UTF-8, replaced by "?": for a text kept only as a
// record (the name of a file read), which must never stop a project's save.
std::string Cp932Writable(std::string_view text);

}  // namespace nubera
