#pragma once

namespace nubera {

// Rounds value to `digits` decimals in exact decimal arithmetic:
// floor((value * 10^(digits+1) + bias) / 10) / 10^digits, where value is first
// taken exactly as its shortest decimal text of at most 15 significant digits
// (so 2.675 is 2.675, not the double just below it). Every caller uses
// digits = 2 and bias = 5, which rounds half toward +infinity:
// 2.345 -> 2.35, -2.345 -> -2.34, 1.005 -> 1.01. Returns the nearest double.
double RoundHalf(double value, int digits = 2, int bias = 5);

// Half the last decimal the screens show: two values no farther apart than
// this are the same value kept to 2 decimals.
inline constexpr double kRoundingTolerance = 0.005;

// |a - b| <= kRoundingTolerance, with a margin that keeps a difference of
// exactly the tolerance from failing on the last bit of a binary sum.
bool WithinRounding(double a, double b);

}  // namespace nubera
