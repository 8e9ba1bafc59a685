#include "text/cp932.h"

#include <algorithm>

#include "text/utf8_text.h"

namespace nubera {
namespace {

// kSingleByte, kDoubleByte and kEncodings, made at build time from the C
// library's iconv (cmake/make_cp932_tables.py); tests hold them to iconv on every
// one- and two-byte sequence and every character.
#include "text/cp932_tables.inc"

// The character `bytes` start with and how many bytes it takes; nothing for
// an unknown or truncated character.
struct Decoded {
    char16_t character;
    std::size_t length;
};
std::optional<Decoded> DecodeAt(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (kSingleByte[lead] != kNoCharacter) return Decoded{kSingleByte[lead], 1};
    if (lead < kFirstLead || lead > kLastLead || at + 1 == bytes.size()) return std::nullopt;
    const auto trail = static_cast<unsigned char>(bytes[at + 1]);
    if (trail < kFirstTrail || trail > kLastTrail) return std::nullopt;
    const char16_t character = kDoubleByte[lead - kFirstLead][trail - kFirstTrail];
    if (character == kNoCharacter) return std::nullopt;
    return Decoded{character, 2};
}

// The code point of the well-formed UTF-8 sequence of `length` bytes.
char32_t CodePoint(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1) return lead;
    char32_t code = lead & (0x7F >> sequence.size());
    for (std::size_t k = 1; k < sequence.size(); ++k) {
        code = (code << 6) | (static_cast<unsigned char>(sequence[k]) & 0x3F);
    }
    return code;
}

const Encoding* EncodingOf(char32_t code) {
    const auto found = std::lower_bound(
        std::begin(kEncodings), std::end(kEncodings), code,
        [](const Encoding& encoding, char32_t c) { return encoding.character < c; });
    return found != std::end(kEncodings) && found->character == code ? found : nullptr;
}

// The length of the UTF-8 character a lead byte starts; 1 for a byte that
// starts none, which is then replaced on its own.
std::size_t Utf8CharLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const auto decoded = DecodeAt(bytes, at);
        if (!decoded) return std::nullopt;
        AppendUtf8(decoded->character, text);
        at += decoded->length;
    }
    return text;
}

std::optional<std::string> Utf8ToCp932(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceAt(text, at);
        if (length == 0) return std::nullopt;
        const Encoding* encoding = EncodingOf(CodePoint(text.substr(at, length)));
        if (!encoding) return std::nullopt;
        bytes += static_cast<char>(encoding->bytes[0]);
        if (encoding->bytes[1] != 0) bytes += static_cast<char>(encoding->bytes[1]);
        at += length;
    }
    return bytes;
}

std::string Cp932Writable(std::string_view text) {
    std::string writable;
    while (!text.empty()) {
        const std::size_t length =
            std::min(Utf8CharLength(static_cast<unsigned char>(text.front())), text.size());
        const std::string_view character = text.substr(0, length);
        writable += Utf8ToCp932(character) ? std::string(character) : std::string("?");
        text.remove_prefix(length);
    }
    return writable;
}

}  // namespace nubera
