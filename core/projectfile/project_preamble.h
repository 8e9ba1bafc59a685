#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nubera {

// Descriptive lines of a project file, kept between its header line and its
// first section line. A reader of the older format takes them for value lines
// of no section and skips them, so they carry what that format has no place
// for without changing what it reads. Each line is "key=value": the key a
// fixed word, the value escaped so that it never spans lines. The entries keep
// their order, and a key may repeat; what each key means is its owner's.
struct PreambleEntry {
    std::string key;
    std::string value;

    bool operator==(const PreambleEntry&) const = default;
};
using ProjectPreamble = std::vector<PreambleEntry>;

inline constexpr char kPreambleKeySeparator = '=';

// "\" is written "\\" and a line break (CR LF, CR or LF) "\n". Reading undoes
// this; a backslash before any other character, or at the end, stays as it is.
std::string EscapePreambleValue(std::string_view value);
std::string UnescapePreambleValue(std::string_view escaped);

// The line of an entry, without its ending.
std::string PreambleLine(const PreambleEntry& entry);

// The entry a line holds; nothing when it has no "=" or an empty key, for the
// reader to skip like any other line of no section.
std::optional<PreambleEntry> ParsePreambleLine(std::string_view line);

// The value of the last entry with this key; empty when there is none.
std::string PreambleValue(const ProjectPreamble& preamble, std::string_view key);

}  // namespace nubera
