#include "spreadsheet/number_format.h"

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "spreadsheet/ascii_case.h"
#include "text/decimal_digits.h"

namespace nubera::sheet {
namespace {

constexpr auto kNamedColors = std::to_array<std::pair<std::string_view, std::uint32_t>>({
    {"black", 0x000000},
    {"blue", 0x0000FF},
    {"cyan", 0x00FFFF},
    {"green", 0x00FF00},
    {"magenta", 0xFF00FF},
    {"red", 0xFF0000},
    {"white", 0xFFFFFF},
    {"yellow", 0xFFFF00},
});

bool IsPlaceholder(char c) {
    return c == '0' || c == '#' || c == '?';
}

// Keeps the first `keep` digits, rounding half away from zero.
void RoundTo(DecimalDigits& decimal, int keep) {
    if (keep < 0) {
        decimal.digits.clear();
        return;
    }
    if (keep >= static_cast<int>(decimal.digits.size())) return;
    const bool up = decimal.digits[static_cast<std::size_t>(keep)] >= '5';
    decimal.digits.resize(static_cast<std::size_t>(keep));
    if (!up) return;
    for (std::size_t i = decimal.digits.size(); i-- > 0;) {
        if (decimal.digits[i] != '9') {
            ++decimal.digits[i];
            return;
        }
        decimal.digits[i] = '0';
    }
    decimal.digits.insert(decimal.digits.begin(), '1');  // 9.99 became 10.00
    ++decimal.exponent;
}

// The decimal digits of a magnitude rounded to `decimals` places, halves
// away from zero, on its 15-digit decimal form (so 2.675 shows as 2.68, as it
// was typed, though the double lies just below). Returns the integer digits
// (at least "0") and exactly `decimals` fraction digits.
std::pair<std::string, std::string> RoundedDigits(double magnitude, int decimals) {
    DecimalDigits decimal = SignificantDigits(magnitude);
    RoundTo(decimal, decimal.exponent + decimals);
    // Pad with zeros on either side of the point as the exponent asks.
    std::string digits = decimal.digits;
    const int total = decimal.exponent + decimals;
    if (static_cast<int>(digits.size()) < total) {
        digits.append(static_cast<std::size_t>(total) - digits.size(), '0');
    }
    if (decimal.exponent < 0) digits.insert(0, static_cast<std::size_t>(-decimal.exponent), '0');
    const auto point = static_cast<std::size_t>(std::max(decimal.exponent, 0));
    std::string integer = digits.substr(0, point);
    std::string fraction = digits.substr(point, static_cast<std::size_t>(decimals));
    fraction.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    const std::size_t firstDigit = integer.find_first_not_of('0');
    integer = firstDigit == std::string::npos ? "0" : integer.substr(firstDigit);
    return {integer, fraction};
}

bool AllZero(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

std::string Trimmed(std::string integer, std::string fraction) {
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return fraction.empty() ? integer : integer + "." + fraction;
}

// 1.23457E+11, 1E-10: five decimals at most, the exponent signed, two digits.
std::string GeneralExponentText(double magnitude) {
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    auto [integer, fraction] = RoundedDigits(magnitude / std::pow(10.0, exponent), 5);
    if (integer == "10") {
        ++exponent;
        std::tie(integer, fraction) = RoundedDigits(magnitude / std::pow(10.0, exponent), 5);
    }
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) digits.insert(0, "0");
    return Trimmed(integer, fraction) + (exponent < 0 ? "E-" : "E+") + digits;
}

// One section of a format code read into what it shows around the number.
struct Pattern {
    std::string prefix;  // literal text before the number
    std::string suffix;  // after it
    bool hasNumber = false;
    bool general = false;  // the "General" keyword stands for the number
    bool text = false;     // "@": the cell's text stands for the number
    bool date = false;     // date or time codes: shown as General here
    int integerZeros = 0;  // '0' placeholders before the point
    bool grouping = false;
    std::string decimals;  // the placeholders after the point
    bool point = false;
    int thousandsScale = 0;  // trailing commas divide by 1000 each
    bool percent = false;
    bool exponent = false;
    bool exponentPlus = false;
    int exponentDigits = 0;
    int integerPlaceholders = 0;
    std::optional<std::uint32_t> color;
};

// Splits a format code at the ';' that separate its sections.
std::vector<std::string_view> SplitSections(std::string_view code) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    bool quoted = false;
    bool bracket = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (quoted) {
            quoted = c != '"';
        } else if (bracket) {
            bracket = c != ']';
        } else if (c == '"') {
            quoted = true;
        } else if (c == '[') {
            bracket = true;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;
        } else if (c == ';') {
            sections.push_back(code.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(code.substr(start));
    return sections;
}

class PatternReader {
  public:
    explicit PatternReader(std::string_view code) : code_(code) {}

    Pattern Read() {
        while (i_ < code_.size()) Step();
        return pattern_;
    }

  private:
    std::string& Literal() { return pattern_.hasNumber ? pattern_.suffix : pattern_.prefix; }

    void Step() {
        const char c = code_[i_];
        if (c == '"') {
            const std::size_t end = code_.find('"', i_ + 1);
            Literal() += code_.substr(i_ + 1, end == std::string_view::npos ? end : end - i_ - 1);
            i_ = end == std::string_view::npos ? code_.size() : end + 1;
        } else if (c == '\\' || c == '_' || c == '*') {
            // An escaped character; a space as wide as the next one; a fill.
            if (c == '\\' && i_ + 1 < code_.size()) Literal() += code_[i_ + 1];
            if (c == '_') Literal() += ' ';
            i_ += 2;
        } else if (c == '[') {
            Bracket();
        } else if (EqualsIgnoringAsciiCase(code_.substr(i_, 7), "general")) {
            pattern_.general = pattern_.hasNumber = true;
            i_ += 7;
        } else if (IsPlaceholder(c) || (c == '.' && !numberDone_)) {
            Number();
        } else {
            Other(c);
        }
    }

    // [Red], [Color10], [>=100], [$¥-411].
    void Bracket() {
        const std::size_t end = code_.find(']', i_);
        const std::string_view inside =
            code_.substr(i_ + 1, end == std::string_view::npos ? end : end - i_ - 1);
        i_ = end == std::string_view::npos ? code_.size() : end + 1;
        for (const auto& [name, rgb] : kNamedColors) {
            if (EqualsIgnoringAsciiCase(inside, name)) pattern_.color = rgb;
        }
        if (!inside.empty() && inside[0] == '$') {
            Literal() += inside.substr(1, inside.find('-') - 1);
        } else if (!inside.empty() &&
                   (AsciiLower(inside[0]) == 'h' || AsciiLower(inside[0]) == 'm' ||
                    AsciiLower(inside[0]) == 's')) {
            pattern_.date = true;  // elapsed time
        }
    }

    // The run of placeholders, points, commas and the exponent.
    void Number() {
        if (numberDone_) {
            Literal() += code_[i_++];
            return;
        }
        pattern_.hasNumber = true;
        bool inDecimals = false;
        int pendingCommas = 0;
        for (; i_ < code_.size(); ++i_) {
            const char c = code_[i_];
            if (IsPlaceholder(c)) {
                if (pendingCommas > 0 && !inDecimals) pattern_.grouping = true;
                pendingCommas = 0;
                if (inDecimals) {
                    pattern_.decimals += c;
                } else {
                    ++pattern_.integerPlaceholders;
                    if (c == '0') ++pattern_.integerZeros;
                }
            } else if (c == '.' && !inDecimals) {
                inDecimals = pattern_.point = true;
            } else if (c == ',') {
                ++pendingCommas;
            } else if ((c == 'E' || c == 'e') && i_ + 1 < code_.size() &&
                       (code_[i_ + 1] == '+' || code_[i_ + 1] == '-')) {
                pattern_.exponent = true;
                pattern_.exponentPlus = code_[i_ + 1] == '+';
                for (i_ += 2; i_ < code_.size() && IsPlaceholder(code_[i_]); ++i_) {
                    ++pattern_.exponentDigits;
                }
                break;
            } else {
                break;
            }
        }
        pattern_.thousandsScale = pendingCommas;
        numberDone_ = true;
    }

    void Other(char c) {
        const char lower = AsciiLower(c);
        if (lower == 'y' || lower == 'm' || lower == 'd' || lower == 'h' || lower == 's') {
            pattern_.date = true;
        } else if (c == '@') {
            pattern_.text = true;
            pattern_.hasNumber = true;  // the text takes the number's place
        } else {
            if (c == '%') pattern_.percent = true;
            Literal() += c;
        }
        ++i_;
    }

    std::string_view code_;
    std::size_t i_ = 0;
    Pattern pattern_;
    bool numberDone_ = false;
};

std::string WithGrouping(const std::string& integer) {
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) grouped += ',';
        grouped += integer[i];
    }
    return grouped;
}

// The fraction digits as the placeholders after the point show them: '#'
// drops trailing zeros, '?' turns them into spaces.
std::string ShownFraction(std::string fraction, const std::string& placeholders) {
    for (std::size_t i = fraction.size(); i-- > 0;) {
        if (fraction[i] != '0' || placeholders[i] == '0') break;
        fraction[i] = placeholders[i] == '?' ? ' ' : '\0';
    }
    return fraction.substr(0, fraction.find('\0'));
}

std::string ShownInteger(std::string integer, const Pattern& pattern) {
    if (integer == "0" && pattern.integerZeros == 0) integer.clear();
    if (static_cast<int>(integer.size()) < pattern.integerZeros) {
        integer.insert(0, static_cast<std::size_t>(pattern.integerZeros) - integer.size(), '0');
    }
    return pattern.grouping ? WithGrouping(integer) : integer;
}

std::string ExponentNumber(double magnitude, const Pattern& pattern) {
    const int step = std::max(1, pattern.integerPlaceholders);
    const auto decimals = static_cast<int>(pattern.decimals.size());
    int exponent = 0;
    if (magnitude != 0) {
        exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        exponent = static_cast<int>(std::floor(exponent / static_cast<double>(step))) * step;
    }
    auto [integer, fraction] = RoundedDigits(magnitude / std::pow(10.0, exponent), decimals);
    if (static_cast<int>(integer.size()) > step) {
        exponent += step;
        std::tie(integer, fraction) = RoundedDigits(magnitude / std::pow(10.0, exponent), decimals);
    }
    std::string text = ShownInteger(integer, pattern);
    if (pattern.point) text += "." + ShownFraction(fraction, pattern.decimals);
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < pattern.exponentDigits) {
        digits.insert(0, static_cast<std::size_t>(pattern.exponentDigits) - digits.size(), '0');
    }
    const char* sign = exponent < 0 ? "-" : (pattern.exponentPlus ? "+" : "");
    return text + "E" + sign + digits;
}

// The number part of a pattern for a non-negative value; `zero` tells
// whether it shows as nothing but zeros (which then takes no minus sign).
std::string NumberText(double magnitude, const Pattern& pattern, bool* zero) {
    if (pattern.general || pattern.text) {
        *zero = magnitude == 0;
        return GeneralNumberText(magnitude);
    }
    if (pattern.percent) magnitude *= 100;
    magnitude /= std::pow(1000.0, pattern.thousandsScale);
    if (pattern.exponent) {
        *zero = magnitude == 0;
        return ExponentNumber(magnitude, pattern);
    }
    const auto [integer, fraction] =
        RoundedDigits(magnitude, static_cast<int>(pattern.decimals.size()));
    *zero = AllZero(integer) && AllZero(fraction);
    std::string text = ShownInteger(integer, pattern);
    if (pattern.point) text += "." + ShownFraction(fraction, pattern.decimals);
    return text;
}

FormattedValue Shown(std::string text, const Pattern& pattern) {
    return {pattern.prefix + text + pattern.suffix, pattern.color};
}

bool IsGeneralCode(std::string_view code) {
    return code.empty() || EqualsIgnoringAsciiCase(code, "general");
}

}  // namespace

std::string GeneralNumberText(double value) {
    if (!std::isfinite(value)) return "#NUM!";
    if (value == 0) return "0";
    const double magnitude = std::fabs(value);
    const std::string sign = value < 0 ? "-" : "";
    if (magnitude >= 1e11 || magnitude < 1e-9) return sign + GeneralExponentText(magnitude);
    const int integerDigits = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int decimals = magnitude >= 1 ? std::max(0, 10 - integerDigits) : 9;
    const auto [integer, fraction] = RoundedDigits(magnitude, decimals);
    const std::string text = Trimmed(integer, fraction);
    return text == "0" ? text : sign + text;
}

FormattedValue FormatNumberValue(double value, std::string_view formatCode) {
    if (!std::isfinite(value)) return {"#NUM!", std::nullopt};
    if (IsGeneralCode(formatCode)) return {GeneralNumberText(value), std::nullopt};
    const std::vector<std::string_view> sections = SplitSections(formatCode);
    // With two or more sections the negative one shows the magnitude as it
    // is written; a single section puts a minus sign before it.
    std::size_t index = 0;
    if (value < 0 && sections.size() >= 2) index = 1;
    if (value == 0 && sections.size() >= 3) index = 2;
    const Pattern pattern = PatternReader(sections[index]).Read();
    if (pattern.date) return {GeneralNumberText(value), std::nullopt};
    if (!pattern.hasNumber) return Shown("", pattern);
    bool zero = false;
    const std::string number = NumberText(std::fabs(value), pattern, &zero);
    const bool minus = value < 0 && index == 0 && !zero;
    return Shown((minus ? "-" : "") + number, pattern);
}

FormattedValue FormatTextValue(std::string_view text, std::string_view formatCode) {
    const std::vector<std::string_view> sections = SplitSections(formatCode);
    const std::string_view section =
        sections.size() >= 4 ? sections[3] : (IsGeneralCode(formatCode) ? "" : sections[0]);
    const Pattern pattern = PatternReader(section).Read();
    if (!pattern.text)
        return {std::string(text), sections.size() >= 4 ? pattern.color : std::nullopt};
    return Shown(std::string(text), pattern);
}

}  // namespace nubera::sheet
