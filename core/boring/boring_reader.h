#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "boring/boring_log.h"

namespace nubera {

// Exchange files are a few hundred kilobytes at most; anything past these
// bounds is not a boring log and is refused before it costs memory or time.
inline constexpr std::size_t kMaxBoringFileBytes = 8 * 1024 * 1024;
inline constexpr std::size_t kMaxBoringRecords = 5000;  // divisions, and tests

// Reads a boring exchange file's bytes (Shift_JIS, DTD 2.10 to 5.00; a newer
// version by the names of 5.00, with a warning in the log). On failure
// returns nothing and sets *error to a Japanese message naming the element
// and its line.
std::optional<BoringLog> ParseBoringLog(std::string_view bytes, std::string* error);

// The same for a file; the message then also names the file.
std::optional<BoringLog> ReadBoringLog(const std::filesystem::path& path, std::string* error);

}  // namespace nubera
