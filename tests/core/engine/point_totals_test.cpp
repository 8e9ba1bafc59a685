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

}  // namespace
}  // namespace nubera
