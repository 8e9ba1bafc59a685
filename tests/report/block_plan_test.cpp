#include "report/block_plan.h"

#include <gtest/gtest.h>

#include "tests/case_name.h"

namespace nubera::report {
namespace {

struct PlanCase {
    const char* name;
    int loadBlocks;
    bool surcharge;
    std::vector<int> firstRows;
    std::vector<int> pageBreaks;
};

class BlockPlanTest : public testing::TestWithParam<PlanCase> {};

TEST_P(BlockPlanTest, RowsAndPageBreaks) {
    const PlanCase& c = GetParam();
    std::vector<int> firstRows;
    std::vector<int> pageBreaks;
    for (const report::PlannedBlock& block : report::PlanBlocks(c.loadBlocks, c.surcharge)) {
        firstRows.push_back(block.firstRow);
        if (block.pageBreakBefore) pageBreaks.push_back(*block.pageBreakBefore);
    }
    EXPECT_EQ(firstRows, c.firstRows);
    EXPECT_EQ(pageBreaks, c.pageBreaks);
}

// The first rows and page breaks the report's printed pages were laid out
// for: blocks of 16 rows from row 2, one row lower right after a page break.
INSTANTIATE_TEST_SUITE_P(
    Blocks, BlockPlanTest,
    testing::Values(PlanCase{"one", 1, false, {2}, {}},
                    PlanCase{"one_surcharge", 1, true, {2, 18}, {34}},
                    PlanCase{"two", 2, false, {2, 18}, {34}},
                    PlanCase{"three", 3, false, {2, 18, 35}, {34}},
                    PlanCase{"four_surcharge", 4, true, {2, 18, 35, 50, 67}, {34, 66}},
                    PlanCase{"five_surcharge", 5, true, {2, 18, 35, 50, 67, 82}, {34, 66, 98}}),
    test::CaseName());

TEST(BlockPlan, TheSurchargeComesLastNumberedAfterTheLoads) {
    const std::vector<report::PlannedBlock> blocks = report::PlanBlocks(4, true);
    ASSERT_EQ(blocks.size(), 5u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(blocks[i].mode, report::ResultBlockKind::LoadBlock);
        EXPECT_EQ(blocks[i].index, i);
    }
    EXPECT_EQ(blocks[4].mode, report::ResultBlockKind::SurchargeBlock);
    EXPECT_EQ(blocks[4].index, 4);
    EXPECT_EQ(blocks[4].shift, 1);
}

TEST(BlockPlan, SurplusLoadColumnsOfTheSummary) {
    EXPECT_EQ(report::SurplusLoadColumns(1), (report::ColumnRange{5, 8}));  // E..H
    EXPECT_EQ(report::SurplusLoadColumns(2), (report::ColumnRange{6, 8}));
    EXPECT_EQ(report::SurplusLoadColumns(4), (report::ColumnRange{8, 8}));  // H alone
    EXPECT_EQ(report::SurplusLoadColumns(5), std::nullopt);
}

}  // namespace
}  // namespace nubera::report
