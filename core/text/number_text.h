#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nubera {

// Shortest decimal text of at most 15 significant digits, "." as separator,
// no grouping, no trailing zeros: 12.5, 0.3, 6860, -3.25. Only magnitudes far
// outside the program's ranges take the exponent form: 1E-05, 1E+15.
std::string FormatNumber(double value);

// The largest magnitude the program takes a value of: up to it a number text
// shows every digit the report's columns have room for; beyond it the text
// takes the exponent form and a column shows garbage. The run refuses a
// larger value, naming it.
inline constexpr double kMaxShownMagnitude = 1e15;

// The "0.00" format: at least one digit before the point, exactly two after,
// a leading "-" for negative values. A third decimal of 5 rounds away from
// zero (-2.345 shows -2.35); callers wanting the program's rounding, half
// toward +infinity (-2.34), apply RoundHalf first.
std::string FormatFixed2(double value);

// A computed result as the report shows it: RoundHalf to two decimals,
// formatted "0.00" and read back, so the stored value is exactly the shown one.
double RoundShown(double value);

// The number-prefix rule of the project file: the longest leading part of the
// text that forms a decimal number (blanks ignored, optional sign and
// exponent); a text without such a part, the empty text included, reads as 0.
// A number beyond the range of double reads as +-infinity, for callers to refuse.
double ReadNumberPrefix(std::string_view text);

// The text, blanks ignored, is one number by the rule above as a whole, with
// nothing after it.
bool IsWholeNumber(std::string_view text);

// Shown when a box's text does not follow the number syntax below.
inline constexpr const char* kInvalidValueMessage = "入力された値が不正です。";

// The entry boxes' number syntax: after leading and trailing blanks, an
// optional sign, digits with at most one decimal point, at least one digit.
// Returns the value, or nothing when the text is not numeric.
std::optional<double> ParseNumericText(std::string_view text);

}  // namespace nubera
