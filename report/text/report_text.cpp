#include "report/text/report_text.h"

#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera::report {
namespace {

// UTF-8 of a code point of the Basic Multilingual Plane outside ASCII.
std::string Utf8(char32_t codePoint) {
    std::string out;
    if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
    return out;
}

}  // namespace

std::string FormatOrBlank(const Cell& value) {
    return value.IsMissing() ? std::string() : FormatFixed2(RoundHalf(value.AsNumber()));
}

std::string FullWidthDigits(int n) {
    std::string out;
    for (char digit : std::to_string(n)) {
        out += Utf8(U'\uFF10' + static_cast<char32_t>(digit - '0'));
    }
    return out;
}

std::string NumberTextOrBlank(const Cell& value) {
    return value.IsMissing() ? std::string() : FormatNumber(value.AsNumber());
}

}  // namespace nubera::report
