#pragma once

#include <charconv>

namespace nubera {

// Decimal text of doubles, exact both ways and alike on every build. Each
// function behaves as std::to_chars or std::from_chars given the same
// arguments; the C++ library's own are used where it has them for double,
// {fmt} and fast_float where it does not (the browser's library).

// The shortest text that reads back as `value`, in fixed or exponent form,
// whichever is shorter (fixed on a tie): 0.3, 1e-05, 1e+20.
std::to_chars_result DoubleToChars(char* first, char* last, double value);

// printf's %.*f, %.*e or %.*g of `value` with `precision`.
std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format,
                                   int precision);

// A decimal number in the general format (no leading "+" or blanks; "inf"
// and "nan" too); a value beyond the range of double gives
// errc::result_out_of_range and leaves `value` as it was.
std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value);

// The versions over {fmt} and fast_float, built on every build so that the
// tests hold them to the library's own.
namespace portable {

std::to_chars_result DoubleToChars(char* first, char* last, double value);
std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format,
                                   int precision);
std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value);

}  // namespace portable

}  // namespace nubera
