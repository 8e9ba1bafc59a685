#pragma once

// Case folding of ASCII letters only: part names, sheet names and format
// keywords compare this way, and the bytes of UTF-8 text are never folded,
// whatever the process locale says about them.

#include <algorithm>
#include <string_view>

namespace nubera::sheet {

inline char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace nubera::sheet
