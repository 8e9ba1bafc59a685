#include "printout/render/pdf_ideographs.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace nubera::printout {
namespace {

// The ideographs of the Kangxi radicals U+2F00..U+2FD5, in order (their
// compatibility decompositions).
constexpr std::array<std::uint16_t, 214> kKangxiIdeographs{
    0x4E00, 0x4E28, 0x4E36, 0x4E3F, 0x4E59, 0x4E85, 0x4E8C, 0x4EA0, 0x4EBA, 0x513F, 0x5165, 0x516B,
    0x5182, 0x5196, 0x51AB, 0x51E0, 0x51F5, 0x5200, 0x529B, 0x52F9, 0x5315, 0x531A, 0x5338, 0x5341,
    0x535C, 0x5369, 0x5382, 0x53B6, 0x53C8, 0x53E3, 0x56D7, 0x571F, 0x58EB, 0x5902, 0x590A, 0x5915,
    0x5927, 0x5973, 0x5B50, 0x5B80, 0x5BF8, 0x5C0F, 0x5C22, 0x5C38, 0x5C6E, 0x5C71, 0x5DDB, 0x5DE5,
    0x5DF1, 0x5DFE, 0x5E72, 0x5E7A, 0x5E7F, 0x5EF4, 0x5EFE, 0x5F0B, 0x5F13, 0x5F50, 0x5F61, 0x5F73,
    0x5FC3, 0x6208, 0x6236, 0x624B, 0x652F, 0x6534, 0x6587, 0x6597, 0x65A4, 0x65B9, 0x65E0, 0x65E5,
    0x66F0, 0x6708, 0x6728, 0x6B20, 0x6B62, 0x6B79, 0x6BB3, 0x6BCB, 0x6BD4, 0x6BDB, 0x6C0F, 0x6C14,
    0x6C34, 0x706B, 0x722A, 0x7236, 0x723B, 0x723F, 0x7247, 0x7259, 0x725B, 0x72AC, 0x7384, 0x7389,
    0x74DC, 0x74E6, 0x7518, 0x751F, 0x7528, 0x7530, 0x758B, 0x7592, 0x7676, 0x767D, 0x76AE, 0x76BF,
    0x76EE, 0x77DB, 0x77E2, 0x77F3, 0x793A, 0x79B8, 0x79BE, 0x7A74, 0x7ACB, 0x7AF9, 0x7C73, 0x7CF8,
    0x7F36, 0x7F51, 0x7F8A, 0x7FBD, 0x8001, 0x800C, 0x8012, 0x8033, 0x807F, 0x8089, 0x81E3, 0x81EA,
    0x81F3, 0x81FC, 0x820C, 0x821B, 0x821F, 0x826E, 0x8272, 0x8278, 0x864D, 0x866B, 0x8840, 0x884C,
    0x8863, 0x897E, 0x898B, 0x89D2, 0x8A00, 0x8C37, 0x8C46, 0x8C55, 0x8C78, 0x8C9D, 0x8D64, 0x8D70,
    0x8DB3, 0x8EAB, 0x8ECA, 0x8F9B, 0x8FB0, 0x8FB5, 0x9091, 0x9149, 0x91C6, 0x91CC, 0x91D1, 0x9577,
    0x9580, 0x961C, 0x96B6, 0x96B9, 0x96E8, 0x9751, 0x975E, 0x9762, 0x9769, 0x97CB, 0x97ED, 0x97F3,
    0x9801, 0x98A8, 0x98DB, 0x98DF, 0x9996, 0x9999, 0x99AC, 0x9AA8, 0x9AD8, 0x9ADF, 0x9B25, 0x9B2F,
    0x9B32, 0x9B3C, 0x9B5A, 0x9CE5, 0x9E75, 0x9E7F, 0x9EA5, 0x9EBB, 0x9EC3, 0x9ECD, 0x9ED1, 0x9EF9,
    0x9EFD, 0x9F0E, 0x9F13, 0x9F20, 0x9F3B, 0x9F4A, 0x9F52, 0x9F8D, 0x9F9C, 0x9FA0,
};
constexpr std::uint16_t kFirstKangxi = 0x2F00;

// The two radicals of the CJK Radicals Supplement that decompose to an ideograph.
constexpr std::pair<std::uint16_t, std::uint16_t> kSupplementIdeographs[] = {
    {0x2E9F, 0x6BCD},
    {0x2EF3, 0x9F9F},
};

std::optional<std::uint16_t> IdeographOf(std::uint16_t code) {
    const std::size_t kangxi = code - std::size_t{kFirstKangxi};  // wraps below the block
    if (kangxi < kKangxiIdeographs.size()) return kKangxiIdeographs[kangxi];
    for (const auto& [radical, ideograph] : kSupplementIdeographs) {
        if (code == radical) return ideograph;
    }
    return std::nullopt;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The tokens of a CMap's mapping sections: hex strings, brackets, keywords.
class MapReader {
  public:
    explicit MapReader(std::span<char> text) : text_(text) {}

    bool AtEnd() { return SkipBlanks() >= text_.size(); }
    char Peek() { return text_[SkipBlanks()]; }
    void Skip() { ++at_; }

    // A hex string <…>; nothing when the next token is not one. *digits,
    // when asked for, is where its digits lie.
    std::optional<std::uint32_t> Hex(std::span<char>* digits = nullptr) {
        if (AtEnd() || text_[at_] != '<') return std::nullopt;
        const std::size_t first = ++at_;
        std::uint32_t value = 0;
        for (; at_ < text_.size() && text_[at_] != '>'; ++at_) {
            const int digit = HexValue(text_[at_]);
            if (digit < 0) return std::nullopt;
            value = value << 4 | static_cast<std::uint32_t>(digit);
        }
        if (digits) *digits = text_.subspan(first, at_ - first);
        ++at_;
        return value;
    }

  private:
    std::size_t SkipBlanks() {
        while (at_ < text_.size() &&
               std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos) {
            ++at_;
        }
        return at_;
    }

    std::span<char> text_;
    std::size_t at_ = 0;
};

// Rewrites a destination of one UTF-16 unit that names a radical.
void NameIdeograph(std::span<char> digits) {
    if (digits.size() != 4) return;
    std::uint16_t code = 0;
    for (char c : digits) code = static_cast<std::uint16_t>(code << 4 | HexValue(c));
    const std::optional<std::uint16_t> ideograph = IdeographOf(code);
    if (!ideograph) return;
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    for (std::size_t i = 0; i < 4; ++i) {
        digits[i] = kDigits[(*ideograph >> (4 * (3 - i))) & 0xF];
    }
}

// <lo> <hi> <dst> or <lo> <hi> [<dst> …], up to the section's end.
void RewriteRanges(std::span<char> section) {
    MapReader reader(section);
    while (!reader.AtEnd()) {
        const auto low = reader.Hex();
        const auto high = reader.Hex();
        if (!low || !high || reader.AtEnd()) return;
        if (reader.Peek() == '[') {
            reader.Skip();
            std::span<char> digits;
            while (reader.Hex(&digits)) NameIdeograph(digits);
            if (reader.AtEnd() || reader.Peek() != ']') return;
            reader.Skip();
        } else {
            std::span<char> digits;
            if (!reader.Hex(&digits)) return;
            if (*low == *high) NameIdeograph(digits);
        }
    }
}

// <src> <dst>, up to the section's end.
void RewriteChars(std::span<char> section) {
    MapReader reader(section);
    while (!reader.AtEnd()) {
        std::span<char> digits;
        if (!reader.Hex() || !reader.Hex(&digits)) return;
        NameIdeograph(digits);
    }
}

// Rewrites every section of `text` between the keywords `begin` and `end`.
template <typename Rewrite>
void ForEachSection(std::span<char> text, std::string_view begin, std::string_view end,
                    Rewrite rewrite) {
    const std::string_view view(text.data(), text.size());
    for (std::size_t at = view.find(begin); at != std::string_view::npos;
         at = view.find(begin, at)) {
        const std::size_t first = at + begin.size();
        const std::size_t last = view.find(end, first);
        if (last == std::string_view::npos) return;
        rewrite(text.subspan(first, last - first));
        at = last + end.size();
    }
}

}  // namespace

void NameIdeographsInTextMaps(std::span<char> pdf) {
    ForEachSection(pdf, "begincmap", "endcmap", [](std::span<char> map) {
        ForEachSection(map, "beginbfrange", "endbfrange", RewriteRanges);
        ForEachSection(map, "beginbfchar", "endbfchar", RewriteChars);
    });
}

}  // namespace nubera::printout
