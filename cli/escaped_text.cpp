#include "cli/escaped_text.h"

namespace nubera::cli {

std::string EscapedText(std::string_view text) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\r':
                escaped += "\\r";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    escaped += "\\x";
                    escaped += kHexDigits[byte >> 4];
                    escaped += kHexDigits[byte & 0xF];
                } else {
                    escaped += c;
                }
        }
    }
    return escaped;
}

}  // namespace nubera::cli
