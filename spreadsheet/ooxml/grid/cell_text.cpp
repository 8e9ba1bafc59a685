#include "spreadsheet/ooxml/grid/cell_text.h"

#include <charconv>
#include <cstdio>

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

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Bytes in a UTF-8 sequence led by `lead`; 0 for a byte that cannot lead one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Rules out overlong forms, UTF-16 surrogates and code points beyond U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
    switch (lead) {
        case 0xE0:
            return second >= 0xA0;
        case 0xED:
            return second <= 0x9F;
        case 0xF0:
            return second >= 0x90;
        case 0xF4:
            return second <= 0x8F;
        default:
            return true;
    }
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
        AppendUtf8(text, code);
        i += 7;
    }
    return text;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const int length = SequenceLength(static_cast<unsigned char>(text[i]));
        if (length == 0 || i + length > text.size()) return false;
        if (!SecondByteFits(static_cast<unsigned char>(text[i]),
                            static_cast<unsigned char>(text[i + (length > 1 ? 1 : 0)]))) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace nubera::sheet
