#include "spreadsheet/ooxml/grid/cell_text.h"

#include <charconv>
#include <cstdio>

#include "text/utf8_text.h"

namespace nubera::sheet {
namespace {

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Whether `text` holds "_xHHHH_" at `at`.
bool IsEscapeAt(std::string_view text, std::size_t at) {
    if (at + 7 > text.size() || text[at] != '_' || text[at + 1] != 'x' || text[at + 6] != '_') {
        return false;
    }
    for (std::size_t i = at + 2; i < at + 6; ++i) {
        if (!IsHex(text[i])) return false;
    }
    return true;
}

}  // namespace

std::string EscapeCellText(std::string_view text) {
    std::string stored;
    stored.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsEscapeAt(text, i)) {
            stored += "_x005F";
        }
        if (c < 0x20 && c != '\t' && c != '\n') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "_x%04X_", c);
            stored += escape;
        } else {
            stored += static_cast<char>(c);
        }
    }
    return stored;
}

std::string UnescapeCellText(std::string_view stored) {
    if (stored.find("_x") == std::string_view::npos) return std::string(stored);
    std::string text;
    for (std::size_t i = 0; i < stored.size();) {
        if (!IsEscapeAt(stored, i)) {
            text += stored[i++];
            continue;
        }
        unsigned code = 0;
        std::from_chars(stored.data() + i + 2, stored.data() + i + 6, code, 16);
        AppendUtf8(code, text);
        i += 7;
    }
    return text;
}

}  // namespace nubera::sheet
