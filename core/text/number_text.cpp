#include "text/number_text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "decimal/double_chars.h"
#include "text/round_half.h"

namespace nubera {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string WithoutBlanks(std::string_view text) {
    std::string cleaned;
    for (char c : text) {
        if (!IsBlank(c)) cleaned += c;
    }
    return cleaned;
}

// Length of the longest prefix of s of the form [sign]digits[.digits][e[sign]digits]
// with at least one mantissa digit; 0 when there is none.
std::size_t NumberPrefixLength(std::string_view s) {
    std::size_t i = 0;
    auto skipDigits = [&] {
        std::size_t start = i;
        while (i < s.size() && IsDigit(s[i])) ++i;
        return i - start;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = skipDigits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0) return 0;
    std::size_t mantissaEnd = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (skipDigits() == 0) return mantissaEnd;
    }
    return i;
}

// strtod in the "C" locale whatever the process locale is (a GUI toolkit may
// switch LC_NUMERIC to one with a decimal comma). Overflow gives +-HUGE_VAL.
double ParseDecimal(const std::string& text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(text.c_str(), nullptr, cLocale);
}

}  // namespace

// Fifteen significant digits in the classic general format: plain decimals
// while the decimal exponent X of the rounded value lies in -5 < X < 15, so
// 0.0001 and 999999999999999 stay plain while 1E-05 and 1E+15 take the
// exponent form, whose exponent has a sign and at least two digits.
std::string FormatNumber(double value) {
    if (value == 0) return "0";  // also for -0
    char text[40];
    char* end = DoubleToChars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
    std::string result(text, end);
    if (auto e = result.find('e'); e != std::string::npos) result[e] = 'E';
    return result;
}

std::string FormatFixed2(double value) {
    // Halves are rounded away from zero on the value's decimal text, not on
    // the binary double, so 0.125 shows as 0.13 as it was typed.
    double magnitude = RoundHalf(std::fabs(value));
    char text[400];
    char* end = DoubleToChars(text, text + sizeof text, magnitude, std::chars_format::fixed, 2).ptr;
    return (value < 0 && magnitude != 0 ? "-" : "") + std::string(text, end);
}

double RoundShown(double value) {
    return ReadNumberPrefix(FormatFixed2(RoundHalf(value)));
}

double ReadNumberPrefix(std::string_view text) {
    std::string cleaned = WithoutBlanks(text);
    cleaned.resize(NumberPrefixLength(cleaned));
    return cleaned.empty() ? 0 : ParseDecimal(cleaned);
}

bool IsWholeNumber(std::string_view text) {
    const std::string cleaned = WithoutBlanks(text);
    return !cleaned.empty() && NumberPrefixLength(cleaned) == cleaned.size();
}

std::optional<double> ParseNumericText(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    std::string_view body = text;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) body.remove_prefix(1);
    std::size_t digits = 0;
    std::size_t points = 0;
    for (char c : body) {
        if (IsDigit(c)) {
            ++digits;
        } else if (c == '.') {
            ++points;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || points > 1) return std::nullopt;
    double value = ParseDecimal(std::string(text));
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace nubera
