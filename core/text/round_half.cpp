#include "text/round_half.h"

#include <charconv>
#include <cmath>
#include <string>

#include "text/decimal_digits.h"

namespace nubera {
namespace {

// 128-bit integers hold 38 decimal digits, more than the 28 the rounding needs.
__extension__ typedef __int128 Int128;

// Largest power of ten used as a scale; 10^15 * 10^22 still fits in 128 bits.
constexpr int kMaxScale = 22;

// A finite double as the exact decimal mantissa * 10^exponent of its text
// with 15 significant digits, the form in which the value was entered and shown.
struct Decimal {
    long long mantissa;
    int exponent;
};

Decimal ToDecimal(double value) {
    const DecimalDigits decimal = SignificantDigits(std::fabs(value));
    long long mantissa = 0;
    for (const char digit : decimal.digits) mantissa = mantissa * 10 + (digit - '0');
    return {value < 0 ? -mantissa : mantissa,
            decimal.exponent - static_cast<int>(decimal.digits.size())};
}

Int128 PowerOfTen(int n) {
    Int128 result = 1;
    for (int i = 0; i < n; ++i) result *= 10;
    return result;
}

// floor(n / d) for d > 0, also for negative n.
Int128 FloorDiv(Int128 n, Int128 d) {
    Int128 q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

// The double nearest to digits * 10^exponent.
double FromDecimal(Int128 digits, int exponent) {
    bool negative = digits < 0;
    if (negative) digits = -digits;
    std::string text;
    do {
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(digits % 10)));
        digits /= 10;
    } while (digits != 0);
    text = (negative ? "-" : "") + text + "e" + std::to_string(exponent);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

double RoundHalf(double value, int digits, int bias) {
    if (!std::isfinite(value)) return value;
    Decimal d = ToDecimal(value);
    // value * 10^(digits+1) = mantissa / 10^shift
    int shift = -(d.exponent + digits + 1);
    if (shift < -kMaxScale) {
        // At least 22 digits before the point and none after: nothing to round.
        return FromDecimal(d.mantissa, d.exponent);
    }
    Int128 mantissa = d.mantissa;
    if (shift > kSignificantDigits) {
        // |value * 10^(digits+1)| < 1: only its sign can move the floor, and a
        // smaller magnitude of the same sign gives the same result.
        mantissa = (mantissa > 0) - (mantissa < 0);
        shift = kSignificantDigits;
    }
    Int128 scaled = shift >= 0 ? mantissa + Int128{bias} * PowerOfTen(shift)
                               : mantissa * PowerOfTen(-shift) + bias;
    Int128 units = FloorDiv(scaled, PowerOfTen(shift >= 0 ? shift + 1 : 1));
    return FromDecimal(units, -digits);
}

bool WithinRounding(double a, double b) {
    return std::fabs(a - b) <= kRoundingTolerance + 1e-9;
}

}  // namespace nubera
