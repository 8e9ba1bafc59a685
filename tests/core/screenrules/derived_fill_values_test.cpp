#include "screenrules/derived_fill_values.h"

#include <gtest/gtest.h>

#include <functional>

#include "screenrules/fill_load_rules.h"
#include "tests/case_name.h"
#include "tests/core/one_block_project.h"

namespace nubera {
namespace {

// Two stacked blocks and a surcharge on the top crest, as the fill-load
// screen writes them: q1 (base 2, A 1, B 3, C 0.5, h 1, hy 0.25, γt 17.5)
// on q2 (base 0, A 2, B 5, C 2, h 2, γt 18).
FillLoads TwoBlocksAndSurcharge() {
    const std::vector<FillBlock> blocks{
        {.base = 2, .a = 1, .b = 3, .c = 0.5, .h = 1, .hy = 0.25, .unitWeight = 17.5},
        {.base = 0, .a = 2, .b = 5, .c = 2, .h = 2, .hy = 0, .unitWeight = 18}};
    std::vector<FillBlock> listed = blocks;
    for (FillBlock& block : listed) {
        block.totalHeight = TotalHeight(block.h, block.hy);
        block.load = LoadIntensity(block.totalHeight, block.unitWeight);
    }
    return {BuildFillLoadTable(listed), BuildSurchargeTable(10, listed)};
}

FillLoads OneBlockLoads() {
    return {test::OneBlock(), std::nullopt};
}

struct MismatchCase {
    const char* name;
    std::function<FillLoads()> loads;
    std::function<void(FillLoads&)> edit;
    std::string text;  // empty: the tables agree
};

class DerivedValues : public ::testing::TestWithParam<MismatchCase> {};

TEST_P(DerivedValues, AreListedWhenBeyondHalfTheLastShownDecimal) {
    FillLoads loads = GetParam().loads();
    GetParam().edit(loads);
    const std::vector<DerivedMismatch> mismatches = DerivedValueMismatches(loads);
    EXPECT_EQ(DerivedMismatchText(mismatches), GetParam().text);

    TakeComputedValues(loads);
    EXPECT_TRUE(DerivedValueMismatches(loads).empty());
}

void Set(CellTable& table, std::size_t column, std::size_t row, double value) {
    table.At(column, row) = Cell::Number(value);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, DerivedValues,
    ::testing::Values(
        MismatchCase{"one_block_as_written", OneBlockLoads, [](FillLoads&) {}, ""},
        MismatchCase{"two_blocks_and_surcharge_as_written", TwoBlocksAndSurcharge,
                     [](FillLoads&) {}, ""},
        MismatchCase{"load_and_width_of_another_block", OneBlockLoads,
                     [](FillLoads& l) {
                         Set(*l.blocks, fill_column::kLoad, 0, 90);
                         Set(*l.blocks, fill_column::kLoadingWidth, 0, 30);
                     },
                     "盛土荷重 q1 の荷重q(90)が入力値からの計算値(45)と合いません。\n"
                     "盛土荷重 q1 の載荷幅2a(30)が入力値からの計算値(9)と合いません。"},
        MismatchCase{"half_a_hundredth_over", OneBlockLoads,
                     [](FillLoads& l) { Set(*l.blocks, fill_column::kLoad, 0, 45.005); }, ""},
        MismatchCase{"half_a_hundredth_under", OneBlockLoads,
                     [](FillLoads& l) { Set(*l.blocks, fill_column::kCentreDistance, 0, 6.995); },
                     ""},
        MismatchCase{"just_beyond_half_a_hundredth", OneBlockLoads,
                     [](FillLoads& l) {
                         Set(*l.blocks, fill_column::kLoad, 0, 45.0051);
                         Set(*l.blocks, fill_column::kCentreDistance, 0, 6.9949);
                     },
                     "盛土荷重 q1 の荷重q(45.0051)が入力値からの計算値(45)と合いません。\n"
                     "盛土荷重 q1 の中心距離(6.9949)が入力値からの計算値(7)と合いません。"},
        // q is γt times the total height rounded as shown: 2.5 x 18 whatever
        // the stored total says.
        MismatchCase{"total_height", OneBlockLoads,
                     [](FillLoads& l) { Set(*l.blocks, fill_column::kTotalHeight, 0, 3); },
                     "盛土荷重 q1 の合計高(3)が入力値からの計算値(2.5)と合いません。"},
        MismatchCase{"lone_block_off_its_own_centre", OneBlockLoads,
                     [](FillLoads& l) { Set(*l.blocks, fill_column::kCentreOffset, 0, 0.5); },
                     "盛土荷重 q1 の重心位置(0.5)が入力値からの計算値(0)と合いません。"},
        MismatchCase{"rows_top_first_then_the_surcharge", TwoBlocksAndSurcharge,
                     [](FillLoads& l) {
                         Set(*l.surcharge, surcharge_column::kCentreOffset, 0, 1);
                         Set(*l.surcharge, surcharge_column::kLoadingWidth, 0, 4);
                         Set(*l.blocks, fill_column::kCentreOffset, 1, 0);
                         Set(*l.blocks, fill_column::kLoad, 0, 20);
                     },
                     "盛土荷重 q1 の荷重q(20)が入力値からの計算値(21.88)と合いません。\n"
                     "盛土荷重 q2 の重心位置(0)が入力値からの計算値(0.25)と合いません。\n"
                     "上載荷重 qX の載荷幅2a(4)が入力値からの計算値(3)と合いません。\n"
                     "上載荷重 qX の重心位置(1)が入力値からの計算値(0.25)と合いません。"},
        MismatchCase{"missing_derived_cell", OneBlockLoads,
                     [](FillLoads& l) { l.blocks->At(fill_column::kLoad, 0) = Cell(); },
                     "盛土荷重 q1 の荷重q(0)が入力値からの計算値(45)と合いません。"},
        // Without fill blocks the surcharge has no crest to be derived from.
        MismatchCase{"surcharge_without_blocks", TwoBlocksAndSurcharge,
                     [](FillLoads& l) {
                         l.blocks.reset();
                         Set(*l.surcharge, surcharge_column::kLoadingWidth, 0, 4);
                     },
                     ""}),
    test::CaseName());

// Taking the computed values touches only the cells that were off: a lone
// block keeps its offset as the text "0" it is written with.
TEST(DerivedValuesTaken, ReplaceOnlyTheValuesThatWereOff) {
    FillLoads loads = TwoBlocksAndSurcharge();
    const FillLoads written = loads;
    Set(*loads.blocks, fill_column::kLoadingWidth, 1, 30);
    Set(*loads.blocks, fill_column::kTotalHeight, 0, 1.254);
    TakeComputedValues(loads);
    EXPECT_EQ(loads.blocks->At(fill_column::kLoadingWidth, 1), Cell::Number(7));
    EXPECT_EQ(loads.blocks->At(fill_column::kTotalHeight, 0), Cell::Number(1.254));
    Set(*loads.blocks, fill_column::kTotalHeight, 0, 1.25);
    EXPECT_EQ(loads, written);

    FillLoads lone = OneBlockLoads();
    Set(*lone.blocks, fill_column::kCentreOffset, 0, 1);
    TakeComputedValues(lone);
    EXPECT_EQ(lone.blocks, test::OneBlock());
}

}  // namespace
}  // namespace nubera
