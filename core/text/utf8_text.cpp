#include "text/utf8_text.h"

#include <cstdint>
#include <cstring>

namespace nubera {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Bytes in a UTF-8 sequence led by `lead`; 0 for a byte that cannot lead one.
std::size_t SequenceLength(unsigned char lead) {
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

std::size_t Utf8SequenceAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || at + length > text.size()) return 0;
    if (length > 1 && !SecondByteFits(lead, static_cast<unsigned char>(text[at + 1]))) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t characters) {
    std::size_t end = 0;
    for (; characters > 0 && end < text.size(); --characters) {
        const std::size_t length = Utf8SequenceAt(text, end);
        if (length == 0) break;
        end += length;
    }
    return text.substr(0, end);
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        // ASCII, most of any text read or written here, is valid alone:
        // eight bytes at a time while none has its high bit set.
        std::uint64_t eight = 0;
        if (i + sizeof eight <= text.size()) {
            std::memcpy(&eight, text.data() + i, sizeof eight);
            if ((eight & 0x8080808080808080) == 0) {
                i += sizeof eight;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceAt(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string WithReplacementCharacters(std::string_view text) {
    std::string replaced;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceAt(text, i);
        if (length == 0) {
            replaced += kReplacementCharacter;
            ++i;
        } else {
            replaced += text.substr(i, length);
            i += length;
        }
    }
    return replaced;
}

}  // namespace nubera
