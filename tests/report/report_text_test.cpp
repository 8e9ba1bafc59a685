#include "report/text/report_text.h"

#include <gtest/gtest.h>

namespace nubera::report {
namespace {

TEST(CircledNumber, RunsFromOneToEleven) {
    EXPECT_EQ(CircledNumber(1), "①");
    EXPECT_EQ(CircledNumber(10), "⑩");
    EXPECT_EQ(CircledNumber(11), "⑪");
}

TEST(CircledNumber, RefusesPointsOutsideTheEleven) {
    EXPECT_THROW(CircledNumber(0), std::out_of_range);
    EXPECT_THROW(CircledNumber(12), std::out_of_range);
}

TEST(FormatOrBlank, TwoDecimalsOrNothing) {
    EXPECT_EQ(report::FormatOrBlank(Cell::Missing()), "");
    EXPECT_EQ(report::FormatOrBlank(Cell::Number(2.5)), "2.50");
    EXPECT_EQ(report::FormatOrBlank(Cell::Number(-12.345)), "-12.34");  // half toward +infinity
    EXPECT_EQ(report::FormatOrBlank(Cell::Number(2.675)), "2.68");
    EXPECT_EQ(report::FormatOrBlank(Cell::Text("3.5m")), "3.50");
}

// Lengths computed as differences, as the block headers repeat them: the
// residue of the subtraction goes, and a value that rounds to zero has no sign.
TEST(FormatOrBlank, LengthsComputedAsDifferencesReadAsEntered) {
    EXPECT_EQ(report::FormatOrBlank(Cell::Number(-7.105427357601E-15)), "0.00");
    EXPECT_EQ(report::FormatOrBlank(Cell::Number(7.105427357601E-15)), "0.00");
    EXPECT_EQ(report::FormatOrBlank(Cell::Number(-0.004)), "0.00");
    EXPECT_EQ(report::FormatOrBlank(Cell::Number(-0.570000000000004)), "-0.57");
    EXPECT_EQ(report::FormatOrBlank(Cell::Number(15.749999999999998)), "15.75");
}

TEST(FullWidthDigits, NumbersTheLoadBlocks) {
    EXPECT_EQ(report::FullWidthDigits(1), "１");
    EXPECT_EQ(report::FullWidthDigits(3), "３");
    EXPECT_EQ(report::FullWidthDigits(12), "１２");
}

TEST(NumberTextOrBlank, ShortestTextOfTheValue) {
    EXPECT_EQ(report::NumberTextOrBlank(Cell::Number(5)), "5");
    EXPECT_EQ(report::NumberTextOrBlank(Cell::Number(-2.25)), "-2.25");
    EXPECT_EQ(report::NumberTextOrBlank(Cell::Missing()), "");
}

}  // namespace
}  // namespace nubera::report
