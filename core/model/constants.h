#pragma once

namespace nubera {

// Constant expressions, so that no result can depend on the order in which
// object files initialise their variables. Each holds, bit for bit, what the
// engine has always computed at start-up: 4·atan(1) and tan(π/180 · 30) with
// the C library's atan and tan (a test compares the bits).
inline constexpr double Pi = 0x1.921fb54442d18p+1;
// The angle at which a load spreads with depth in the equivalent modulus.
inline constexpr double kSpreadAngleDegrees = 30.0;
inline constexpr double tanSpread = 0x1.279a74590331cp-1;

}  // namespace nubera
