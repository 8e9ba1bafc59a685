#include "engine/point_totals.h"

#include <gtest/gtest.h>

namespace nubera {
namespace {

TEST(LargestTotal, IsTheLargestInSizeWithItsSignAndTheFirstOnATie) {
    EXPECT_EQ(LargestTotal({}), std::nullopt);
    EXPECT_EQ(LargestTotal({std::nullopt, std::nullopt}), std::nullopt) << "no point placed";

    const auto negative = LargestTotal({1.5, std::nullopt, -2.25, 2.0});
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->point, 2u);
    EXPECT_EQ(negative->value, -2.25) << "a displacement towards the cut keeps its sign";

    const auto tie = LargestTotal({std::nullopt, 3.0, -3.0, 3.0});
    ASSERT_TRUE(tie);
    EXPECT_EQ(tie->point, 1u);
}

TEST(LargestTotalsBySign, TakesEachSignApartAndNothingForASignNoPointHas) {
    const auto both = LargestTotalsBySign({0.5, -1.25, std::nullopt, 2.0, -1.25, 2.0});
    ASSERT_TRUE(both.positive && both.negative);
    EXPECT_EQ(both.positive->point, 3u);
    EXPECT_EQ(both.positive->value, 2.0);
    EXPECT_EQ(both.negative->point, 1u) << "the first on a tie";
    EXPECT_EQ(both.negative->value, -1.25);

    const auto zeros = LargestTotalsBySign({0.0, 0.0, 1.0});
    EXPECT_EQ(zeros.negative, std::nullopt) << "zero has no sign";
    EXPECT_EQ(zeros.positive->point, 2u);
}

}  // namespace
}  // namespace nubera
