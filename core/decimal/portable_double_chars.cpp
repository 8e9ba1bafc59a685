// Number text over {fmt} and fast_float, for a C++ library without
// floating-point to_chars and from_chars. {fmt} writes the same digits as the
// library functions (the shortest that read back, or printf's exact rounding
// for a precision); only the shortest form's layout is the library's own and
// is done here.

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "decimal/double_chars.h"

namespace nubera::portable {
namespace {

std::to_chars_result Copied(std::string_view text, char* first, char* last) {
    if (static_cast<std::size_t>(last - first) < text.size()) {
        return {last, std::errc::value_too_large};
    }
    return {std::copy(text.begin(), text.end(), first), std::errc()};
}

// A finite value's digits without leading or trailing zeros and the power of
// ten of the first: 1.25e-3 is {"125", -3}.
struct ScientificDigits {
    std::string digits;
    int exponent = 0;
};

// From {fmt}'s shortest text ("0.00125", "1.25e-05", "125", "1e+20").
ScientificDigits DigitsOf(std::string_view text) {
    const std::size_t e = text.find('e');
    const std::string_view mantissa = text.substr(0, e);
    int exponent = e == std::string_view::npos ? 0 : std::stoi(std::string(text.substr(e + 1)));
    const std::size_t point = mantissa.find('.');
    const std::size_t whole = point == std::string_view::npos ? mantissa.size() : point;
    std::string digits;
    for (const char c : mantissa) {
        if (c != '.') digits += c;
    }
    const std::size_t leading = digits.find_first_not_of('0');
    exponent += static_cast<int>(whole) - 1 - static_cast<int>(leading);
    digits = digits.substr(leading, digits.find_last_not_of('0') + 1 - leading);
    return {digits, exponent};
}

// The shortest digits of `magnitude` in fixed form. A whole number beyond
// them is written with its exact digits, as the library writes it, rather
// than padded with zeros: 2^66 is 73786976294838206464, not …206000.
std::string FixedForm(const ScientificDigits& d, double magnitude) {
    const int length = static_cast<int>(d.digits.size());
    if (d.exponent < 0) return "0." + std::string(-d.exponent - 1, '0') + d.digits;
    if (length <= d.exponent + 1) return fmt::format("{:.0f}", magnitude);
    return d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
}

// printf's %e layout: the exponent has a sign and at least two digits.
std::string ExponentForm(const ScientificDigits& d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    const int magnitude = std::abs(d.exponent);
    return text + (d.exponent < 0 ? "e-" : "e+") + (magnitude < 10 ? "0" : "") +
           std::to_string(magnitude);
}

// A number's text ("1e999", "-0.5e-400") as opposed to "inf" or "nan".
bool IsNumeral(const char* first, const char* end) {
    if (first != end && *first == '-') ++first;
    return first != end && (*first == '.' || (*first >= '0' && *first <= '9'));
}

// Whether the mantissa of a numeral has a digit other than 0.
bool HasNonzeroDigit(const char* first, const char* end) {
    for (; first != end && *first != 'e' && *first != 'E'; ++first) {
        if (*first >= '1' && *first <= '9') return true;
    }
    return false;
}

}  // namespace

std::to_chars_result DoubleToChars(char* first, char* last, double value) {
    const std::string text = fmt::format("{}", value);
    if (!std::isfinite(value) || value == 0) return Copied(text, first, last);
    const bool negative = text.front() == '-';
    const ScientificDigits digits = DigitsOf(std::string_view(text).substr(negative ? 1 : 0));
    const std::string fixed = FixedForm(digits, std::fabs(value));
    const std::string exponent = ExponentForm(digits);
    return Copied((negative ? "-" : "") + (fixed.size() <= exponent.size() ? fixed : exponent),
                  first, last);
}

std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format,
                                   int precision) {
    const char* const pattern = format == std::chars_format::fixed        ? "{:.{}f}"
                                : format == std::chars_format::scientific ? "{:.{}e}"
                                                                          : "{:.{}g}";
    return Copied(fmt::format(fmt::runtime(pattern), value, precision), first, last);
}

std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value) {
    double parsed = 0;
    const auto result = fast_float::from_chars(first, last, parsed);
    if (result.ec != std::errc()) return {result.ptr, result.ec};
    // fast_float rounds a value beyond the range to infinity or zero; the
    // library refuses it.
    if (IsNumeral(first, result.ptr) &&
        (std::isinf(parsed) || (parsed == 0 && HasNonzeroDigit(first, result.ptr)))) {
        return {result.ptr, std::errc::result_out_of_range};
    }
    value = parsed;
    return {result.ptr, std::errc()};
}

}  // namespace nubera::portable
