#pragma once

#include <cmath>

namespace nubera {

// Computed once, as the engine has always computed them, rather than taken from
// literals, so results stay identical to the last digit.
inline const double Pi = 4.0 * std::atan(1.0);
inline const double tanSpread = std::tan(Pi / 180.0 * 30.0);  // 30 degree load spread

}  // namespace nubera
