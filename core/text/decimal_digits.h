#pragma once

#include <string>

namespace nubera {

// How many significant digits a value keeps as entered and shown. Binary
// noise beyond them (0.1 + 0.2 = 0.30000000000000004) is not part of it.
inline constexpr int kSignificantDigits = 15;

// A finite magnitude as the digits of its decimal text with 15 significant
// digits: magnitude = 0.digits × 10^exponent. Zero has no digits. Rounding
// and number formats both start from this form, so 2.675 is 2.675 to both,
// not the double just below it.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits SignificantDigits(double magnitude);

}  // namespace nubera
