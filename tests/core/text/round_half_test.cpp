#include "text/round_half.h"

#include <gtest/gtest.h>

#include "tests/case_name.h"

namespace nubera {
namespace {

struct RoundCase {
    double value;
    double expected;
};

class RoundHalfTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfTest, RoundsHalfTowardPositiveInfinityOnTheDecimalText) {
    EXPECT_EQ(RoundHalf(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RoundHalfTest,
    testing::Values(RoundCase{2.345, 2.35}, RoundCase{-2.345, -2.34}, RoundCase{2.675, 2.68},
                    RoundCase{1.005, 1.01}, RoundCase{0.125, 0.13}, RoundCase{-0.125, -0.12},
                    RoundCase{12.3449999, 12.34}, RoundCase{6860, 6860}, RoundCase{0.3, 0.3},
                    // Already at two decimals, or below the last kept digit.
                    RoundCase{-0.3, -0.3}, RoundCase{0.004, 0}, RoundCase{-0.004, 0},
                    RoundCase{-0.005, 0}, RoundCase{-0.006, -0.01}, RoundCase{0, 0},
                    // Binary noise beyond 15 significant digits is ignored.
                    RoundCase{0.1 + 0.2, 0.3}, RoundCase{8360.684999999999, 8360.69},
                    // Tiny magnitudes only keep their sign.
                    RoundCase{1e-300, 0}, RoundCase{-1e-300, 0},
                    // Large magnitudes have nothing to round.
                    RoundCase{123456789012.345, 123456789012.35}, RoundCase{1e20, 1e20},
                    RoundCase{-1.5e300, -1.5e300}),
    [](const testing::TestParamInfo<RoundCase>& info) {
        return test::NumberName(info.param.value);
    });

TEST(RoundHalfDigits, OtherDigitCountsAndBiasesFollowTheSameRule) {
    EXPECT_EQ(RoundHalf(2.345, 1), 2.3);
    EXPECT_EQ(RoundHalf(2.35, 1), 2.4);
    EXPECT_EQ(RoundHalf(-2.35, 1), -2.3);
    EXPECT_EQ(RoundHalf(2.5, 0), 3);
    EXPECT_EQ(RoundHalf(2.349, 2, 0), 2.34);  // bias 0 truncates toward -infinity
    EXPECT_EQ(RoundHalf(-2.341, 2, 0), -2.35);
    EXPECT_EQ(RoundHalf(-1e-300, 2, 0), -0.01);
}

}  // namespace
}  // namespace nubera
