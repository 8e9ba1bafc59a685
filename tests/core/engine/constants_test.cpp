#include "core/model/constants.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace nubera {
namespace {

// The constants are literals so that they are ready before any initialiser
// runs; they must still be exactly what the engine computed from the C
// library, or every stored result would move in its last digit.
TEST(EngineConstants, AreTheBitsTheEngineAlwaysComputed) {
    static_assert(Pi > 3.14 && tanSpread > 0.57, "usable in constant expressions");
    volatile double one = 1.0;  // keeps the compiler from folding the calls
    const double computedPi = 4.0 * std::atan(one);
    const double computedTan = std::tan(computedPi / 180.0 * kSpreadAngleDegrees);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(Pi), std::bit_cast<std::uint64_t>(computedPi));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(tanSpread), std::bit_cast<std::uint64_t>(computedTan));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(tanSpread), 0x3fe279a74590331cULL);
}

}  // namespace
}  // namespace nubera
