#include "screenrules/focus_point_rules.h"

#include <gtest/gtest.h>

#include "tests/case_name.h"

namespace nubera {
namespace {

// One block from 0 to 10 m: the centre lies 5 m from the reference point.
FillLoadTable OneBlock() {
    FillLoadTable table = MakeFillLoadTable();
    table.ResizeRows(1);
    table.At(fill_column::kToeDistance, 0) = Cell::Number(0);
    table.At(fill_column::kLeftSlope, 0) = Cell::Number(2);
    table.At(fill_column::kCrest, 0) = Cell::Number(6);
    table.At(fill_column::kRightSlope, 0) = Cell::Number(2);
    table.At(fill_column::kCentreDistance, 0) = Cell::Number(5);
    return table;
}

TEST(FocusPointRules, RangeRunsFromToeToToeAroundTheTopCentre) {
    const PointRange range = PointRangeOf(OneBlock());
    EXPECT_EQ(range.minimum, -5);
    EXPECT_EQ(range.maximum, 5);
    EXPECT_EQ(PointRangeText(range), "－５．００(m)　～　５．００(m)");
    EXPECT_EQ(CircledNumber(11), "⑪");
}

PointTexts Boxes(std::initializer_list<const char*> first) {
    PointTexts texts;
    std::size_t i = 0;
    for (const char* text : first) texts[i++] = text;
    return texts;
}

struct PointCase {
    const char* name;
    PointTexts boxes;
    bool entered;
    int box;  // -1: accepted
    const char* message;
};

class PointCheckTest : public testing::TestWithParam<PointCase> {};

TEST_P(PointCheckTest, ReportsTheFirstOffendingBox) {
    const PointCase& c = GetParam();
    const PointCheck check = CheckFocusPoints(c.boxes, PointRangeOf(OneBlock()));
    EXPECT_EQ(check.entered, c.entered);
    EXPECT_EQ(check.box ? static_cast<int>(*check.box) : -1, c.box);
    EXPECT_EQ(check.message, c.message);
}

const char* const kRange = "－５．００(m)　～　５．００(m)\nの範囲内で入力してください。";

INSTANTIATE_TEST_SUITE_P(
    FocusPointRules, PointCheckTest,
    testing::Values(
        PointCase{"all_blank", Boxes({"", " "}), false, -1, ""},
        PointCase{"both_ends_and_centre", Boxes({"-5", "0", "5.00"}), true, -1, ""},
        PointCase{"equal_values", Boxes({"1", "1.00"}), true, -1, ""},
        PointCase{"above_range", Boxes({"5.01"}), true, 0, kRange},
        PointCase{"below_range_late", Boxes({"0", "1", "-5.01"}), true, 2, kRange},
        PointCase{"rounded_before_range", Boxes({"5.004"}), true, -1, ""},
        PointCase{"not_numeric", Boxes({"1", "-"}), true, 1, "入力された値が不正です。"},
        PointCase{"gap", Boxes({"1", "", "2"}), true, 1, "入力してください。"},
        PointCase{"first_missing", Boxes({"", "2"}), true, 0, "入力してください。"},
        PointCase{"decreasing", Boxes({"2", "1"}), true, 1,
                  "着目点① ≦ 着目点② で入力してください。"},
        PointCase{"last_pair_first", Boxes({"3", "1", "4", "4", "4", "4", "4", "4", "4", "4", "3"}),
                  true, 10, "着目点⑩ ≦ 着目点⑪ で入力してください。"}),
    test::CaseName());

// A top block 6.25 m wide has its centre 3.125 m from the reference point; the
// range reads ±3.13 and its ends, as read, are accepted.
TEST(FocusPointRules, RangeEndsOnAThirdDecimalAreCheckedAsShown) {
    FillLoadTable table = OneBlock();
    table.At(fill_column::kCrest, 0) = Cell::Number(2.25);
    table.At(fill_column::kCentreDistance, 0) = Cell::Number(3.125);
    const PointRange range = PointRangeOf(table);
    EXPECT_EQ(PointRangeText(range), "－３．１３(m)　～　３．１３(m)");
    EXPECT_FALSE(CheckFocusPoints(Boxes({"-3.13", "0", "3.13"}), range).box);
    const PointCheck beyond = CheckFocusPoints(Boxes({"0", "3.14"}), range);
    ASSERT_TRUE(beyond.box);
    EXPECT_EQ(*beyond.box, 1u);
    EXPECT_EQ(beyond.message, "－３．１３(m)　～　３．１３(m)\nの範囲内で入力してください。");
}

TEST(FocusPointRules, CheckRewritesPassedEntriesAndWritesTrimmedTexts) {
    const PointCheck check = CheckFocusPoints(Boxes({"1", "2.345", "x"}), PointRangeOf(OneBlock()));
    EXPECT_EQ(check.texts[0], "1.00");
    EXPECT_EQ(check.texts[1], "2.35");
    EXPECT_EQ(check.texts[2], "x");  // left as typed for the user to correct

    const FocusPointList points = BuildFocusPointList(Boxes({"1.00", "2.35"}));
    EXPECT_EQ(points[1], Cell::Text("2.35"));
    EXPECT_TRUE(points[2].IsMissing());
}

}  // namespace
}  // namespace nubera
