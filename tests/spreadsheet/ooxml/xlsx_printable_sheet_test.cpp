#include "spreadsheet/ooxml/xlsx_printable_sheet.h"

#include <gtest/gtest.h>

#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/printable_workbook.h"
#include "tests/spreadsheet/fixture/package_fixture.h"

namespace nubera::sheet {
namespace {

using test::FixtureBook;
using test::TempFolder;
using test::WriteFixture;

// GridCell styles of the fixture: 0 General, 1 "0.00", 2 "0.000". Column C has
// style 1; row 2 has style 1 and flags it, row 3 has style 2 unflagged.
// A1 and B2 hold a style and no value.
FixtureBook FormattedBook() {
    FixtureBook book;
    book.sheets = {{"Data",
                    R"(<cols><col min="3" max="3" width="9" style="1"/></cols><sheetData>)"
                    R"(<row r="1"><c r="A1" s="2"/></row>)"
                    R"(<row r="2" s="1" customFormat="1"><c r="B2" s="2"/></row>)"
                    R"(<row r="3" s="2"/></sheetData>)"
                    R"(<rowBreaks count="2" manualBreakCount="1"><brk id="4" man="1"/>)"
                    R"(<brk id="9"/></rowBreaks>)"
                    R"(<colBreaks count="2" manualBreakCount="1"><brk id="2" man="1"/>)"
                    R"(<brk id="5"/></colBreaks>)",
                    ""}};
    return book;
}

class XlsxPrintableSheetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        book_ = OpenPrintableWorkbook(WriteFixture(folder_, FormattedBook()));
        sheet_ = book_->FindSheet("Data");
        ASSERT_NE(sheet_, nullptr);
    }
    std::string NumberFormatAt(int row, int column) const {
        return sheet_->FormatAt(row, column).numberFormat;
    }

    TempFolder folder_;
    std::unique_ptr<PrintableWorkbook> book_;
    const PrintableSheet* sheet_ = nullptr;
};

TEST_F(XlsxPrintableSheetTest, AFormatComesFromTheCellThenItsRowThenItsColumn) {
    EXPECT_EQ(NumberFormatAt(1, 1), "0.000");    // the cell's own
    EXPECT_EQ(NumberFormatAt(2, 2), "0.000");    // the cell's own over its row's
    EXPECT_EQ(NumberFormatAt(2, 1), "0.00");     // the row's
    EXPECT_EQ(NumberFormatAt(1, 3), "0.00");     // the column's
    EXPECT_EQ(NumberFormatAt(3, 3), "0.00");     // an unflagged row style does not count
    EXPECT_EQ(NumberFormatAt(5, 5), "General");  // the default
}

TEST_F(XlsxPrintableSheetTest, CellsHoldingOnlyAFormatAreListedButShowNothing) {
    const std::vector<CellAddress> cells = sheet_->Cells();
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].row, 1);
    EXPECT_EQ(cells[0].column, 1);
    EXPECT_EQ(cells[1].row, 2);
    EXPECT_EQ(cells[1].column, 2);
    EXPECT_FALSE(sheet_->HasValue(1, 1));
    EXPECT_EQ(sheet_->Shown(1, 1), std::nullopt);
}

TEST_F(XlsxPrintableSheetTest, OnlyManualBreaksCountEachBeforeTheLineAfterIt) {
    EXPECT_EQ(sheet_->RowBreaks(), std::vector<int>{5});
    EXPECT_EQ(sheet_->ColumnBreaks(), std::vector<int>{3});
}

TEST_F(XlsxPrintableSheetTest, AMissingSheetIsNone) {
    EXPECT_EQ(book_->FindSheet("Missing"), nullptr);
}

}  // namespace
}  // namespace nubera::sheet
