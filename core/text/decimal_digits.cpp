#include "text/decimal_digits.h"

#include <charconv>
#include <string_view>

#include "decimal/double_chars.h"

namespace nubera {

DecimalDigits SignificantDigits(double magnitude) {
    if (magnitude == 0) return {};
    char text[32];
    const char* end = DoubleToChars(text, text + sizeof text, magnitude,
                                    std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    // d.ddddddddddddddde±x
    const std::string_view form(text, static_cast<std::size_t>(end - text));
    const std::size_t e = form.find('e');
    DecimalDigits decimal{std::string(1, form[0]) + std::string(form.substr(2, e - 2)), 0};
    std::from_chars(form.data() + e + (form[e + 1] == '+' ? 2 : 1), end, decimal.exponent);
    decimal.exponent += 1;
    return decimal;
}

}  // namespace nubera
