#include "screenrules/fill_load_rules.h"

#include <gtest/gtest.h>

#include "tests/case_name.h"

namespace nubera {
namespace {

FillBlock Block(double base, double a, double b, double c, double h = 1, double unitWeight = 18) {
    return {.base = base,
            .a = a,
            .b = b,
            .c = c,
            .h = h,
            .hy = 0,
            .totalHeight = h,
            .unitWeight = unitWeight,
            .load = LoadIntensity(h, unitWeight)};
}

TEST(FillLoadRules, DerivedHeightAndLoadAreRoundedToTwoDecimals) {
    EXPECT_DOUBLE_EQ(TotalHeight(0.1, 0.2), 0.3);
    EXPECT_DOUBLE_EQ(LoadIntensity(1.25, 18.3), 22.88);  // 22.875 rounds up
    EXPECT_DOUBLE_EQ(LoadIntensity(2.5, 19), 47.5);
}

TEST(FillLoadRules, SingleBlockStoresItsOffsetsAsTextZero) {
    const std::vector<FillBlock> blocks{Block(0, 1, 6, 3)};
    const FillLoadTable table = BuildFillLoadTable(blocks);
    ASSERT_EQ(table.RowCount(), 1u);
    EXPECT_DOUBLE_EQ(table.Number(fill_column::kLoadingWidth, 0), 0.5 + 6 + 1.5);
    EXPECT_DOUBLE_EQ(table.Number(fill_column::kCentreDistance, 0), 5);
    EXPECT_EQ(table.At(fill_column::kCentreOffset, 0), Cell::Text("0"));

    const SurchargeTable surcharge = BuildSurchargeTable(10, blocks);
    EXPECT_EQ(surcharge.At(surcharge_column::kLoad, 0), Cell::Number(10));
    EXPECT_EQ(surcharge.At(surcharge_column::kLoadingWidth, 0), Cell::Number(6));
    EXPECT_EQ(surcharge.At(surcharge_column::kCentreOffset, 0),
              Cell::Text("0"));  // even though A != C
}

TEST(FillLoadRules, StackedBlocksGetColumnsInTableOrder) {
    FillBlock top = Block(2, 1, 2, 1.5, 2, 19);
    top.hy = 0.5;
    top.totalHeight = 2.5;
    top.load = 47.5;
    const std::vector<FillBlock> blocks{top, Block(0, 2, 5, 2)};
    const FillLoadTable table = BuildFillLoadTable(blocks);
    const double expectedTop[] = {2, 0.5, 2.5, 19, 47.5, 2, 1, 2, 1.5, 0.5 + 2 + 0.75, 4.25};
    for (std::size_t column = 0; column < std::size(expectedTop); ++column) {
        EXPECT_EQ(table.At(column, 0), Cell::Number(expectedTop[column])) << column;
    }
    EXPECT_EQ(table.At(fill_column::kCentreOffset, 0), Cell::Number(0));
    EXPECT_EQ(table.At(fill_column::kCentreDistance, 1), Cell::Number(4.5));
    EXPECT_EQ(table.At(fill_column::kCentreOffset, 1), Cell::Number(0.25));

    // The crest centre of the top block (2 + 1 + 1) lies 0.25 left of its centre.
    EXPECT_EQ(BuildSurchargeTable(5, blocks).At(surcharge_column::kCentreOffset, 0),
              Cell::Number(-0.25));
    EXPECT_EQ(FillBlocksOf(table).front().hy, 0.5);
}

struct StackingCase {
    const char* name;
    std::vector<FillBlock> blocks;
    bool fails;
    std::size_t row;
    StackingFailure::Field focus;
    const char* message;
};

class StackingCheck : public testing::TestWithParam<StackingCase> {};

TEST_P(StackingCheck, FindsTheFirstBlockOffTheCrestBelow) {
    const StackingCase& c = GetParam();
    const auto failure = CheckStacking(c.blocks);
    ASSERT_EQ(failure.has_value(), c.fails);
    if (!failure) return;
    EXPECT_EQ(failure->row, c.row);
    EXPECT_EQ(failure->focus, c.focus);
    EXPECT_EQ(failure->message, c.message);
}

using Field = StackingFailure::Field;
const FillBlock kLower = Block(0, 2, 5, 2);

INSTANTIATE_TEST_SUITE_P(
    FillLoadRules, StackingCheck,
    testing::Values(
        StackingCase{"single_block_at_zero", {Block(0, 2, 6, 2)}, false, 0, Field::Base, ""},
        StackingCase{"bottom_block_off_zero",
                     {Block(0.01, 2, 6, 2)},
                     true,
                     0,
                     Field::Base,
                     "最下段の基準点距離は\"0\"にしてください。"},
        StackingCase{
            "both_crest_ends_inclusive", {Block(2, 1, 3, 1), kLower}, false, 0, Field::Base, ""},
        StackingCase{
            "starts_left_of_the_crest",
            {Block(1.99, 1, 3, 1), kLower},
            true,
            0,
            Field::Base,
            "基準点距離が不正です。\nq1の基準点距離はq2の天端幅内になる様に設定してください。"},
        StackingCase{
            "starts_right_of_the_crest",
            {Block(7.01, 0, 0, 0), kLower},
            true,
            0,
            Field::Base,
            "基準点距離が不正です。\nq1の基準点距離はq2の天端幅内になる様に設定してください。"},
        StackingCase{"ends_beyond_the_crest",
                     {Block(2, 1, 3, 1.01), kLower},
                     true,
                     0,
                     Field::A,
                     "全体長が不正です。\nq1の全体長はq2の天端幅内になる様に設定してください。"},
        StackingCase{"sums_compared_after_rounding",
                     {Block(2, 0.1, 0.2, 4.7), kLower},
                     false,
                     0,
                     Field::Base,
                     ""},
        StackingCase{
            "checked_from_the_bottom_up",
            {Block(9, 1, 1, 1), Block(1, 1, 3, 1), kLower},
            true,
            1,
            Field::Base,
            "基準点距離が不正です。\nq2の基準点距離はq3の天端幅内になる様に設定してください。"},
        StackingCase{"bottom_checked_before_the_others",
                     {Block(9, 1, 1, 1), Block(1, 2, 5, 2)},
                     true,
                     1,
                     Field::Base,
                     "最下段の基準点距離は\"0\"にしてください。"}),
    test::CaseName());

}  // namespace
}  // namespace nubera
