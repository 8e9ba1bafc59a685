// Where the paged writer breaks pages: a page of 100 points, rows of 10.

#include "report/sheets/paged_sections.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/report/mock_worksheet.h"

namespace nubera::test {
namespace {

using testing::_;
using testing::NiceMock;
using testing::Return;

class PagedSectionsTest : public ::testing::Test {
  protected:
    PagedSectionsTest() {
        ON_CALL(sheet, PageBodyHeight()).WillByDefault(Return(100.0 / (1 - 0.03)));
        ON_CALL(model, RowHeight(_)).WillByDefault(Return(10.0));
        ON_CALL(sheet, AddPageBreakBefore(_)).WillByDefault([this](int row) {
            breaks.push_back(row);
        });
        ON_CALL(sheet, PasteRows(_, _, _, _)).WillByDefault([this](auto&, int first, int, int at) {
            pasted.push_back({first, at});
        });
    }

    NiceMock<MockWorksheet> sheet;
    NiceMock<MockWorksheet> model;
    std::vector<int> breaks;
    std::vector<std::pair<int, int>> pasted;  // model row, sheet row
};

// Model rows: 1 to 7 a preamble, 8 a heading, 9 its table's header row, 10 a table row.
constexpr report::ModelRows kPreamble{1, 7};
constexpr report::ModelRows kHeading{8, 9};
constexpr report::ModelRows kHeader{9, 9};
constexpr report::ModelRows kRow{10, 10};

TEST_F(PagedSectionsTest, AHeadingThatWouldEndAPageStartsTheNextWithItsFirstRows) {
    report::PagedSectionWriter writer(sheet, model);
    writer.Paste(kPreamble);                       // 70 points
    EXPECT_EQ(writer.Paste(kHeading, 2 * 10), 8);  // 20 + 20 fits not in 30: row 8 on page 2
    EXPECT_EQ(breaks, std::vector<int>{8});
    writer.PasteTableRow(kRow, kHeader);
    EXPECT_EQ(breaks, std::vector<int>{8});
}

TEST_F(PagedSectionsTest, ATableRunningOverAPageRepeatsItsHeaderRowThere) {
    report::PagedSectionWriter writer(sheet, model);
    writer.Paste(kPreamble);              // rows 1-7, 70 points
    writer.Paste(kHeading, 10);           // rows 8-9, 90 points
    writer.PasteTableRow(kRow, kHeader);  // row 10 ends the page at 100
    EXPECT_TRUE(breaks.empty());
    EXPECT_EQ(writer.PasteTableRow(kRow, kHeader), 12);  // the header again in row 11
    EXPECT_EQ(breaks, std::vector<int>{11});
    EXPECT_EQ(pasted.back(), std::make_pair(10, 12));
    EXPECT_EQ(pasted[pasted.size() - 2], std::make_pair(9, 11));
}

TEST_F(PagedSectionsTest, ASectionTallerThanAPageStillGoesOnAnEmptyOneWithoutABreak) {
    report::PagedSectionWriter writer(sheet, model);
    writer.Paste({1, 15});  // 150 points on the first page
    EXPECT_TRUE(breaks.empty());
    writer.Paste(kRow);
    EXPECT_EQ(breaks, std::vector<int>{16});
}

}  // namespace
}  // namespace nubera::test
