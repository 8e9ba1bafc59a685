#pragma once

#include <cmath>

namespace nubera {

// Computed once, as the engine has always computed them, rather than taken from
// literals, so results stay identical to the last digit.
inline const double Pi = 4.0 * std::atan(1.0);
// The angle at which a load spreads with depth in the equivalent modulus.
inline constexpr double kSpreadAngleDegrees = 30.0;
inline const double tanSpread = std::tan(Pi / 180.0 * kSpreadAngleDegrees);

}  // namespace nubera
