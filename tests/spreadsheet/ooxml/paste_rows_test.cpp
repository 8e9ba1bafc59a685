#include <gtest/gtest.h>

#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/spreadsheet_error.h"
#include "spreadsheet/workbook.h"
#include "tests/spreadsheet/fixture/package_fixture.h"

namespace nubera::sheet {
namespace {

using test::FixtureBook;
using test::PartText;
using test::SheetBody;
using test::TempFolder;
using test::WriteFixture;

// A model block in rows 2–4: a title over a merged A2:C2, a tall header row
// with a style, a value row with a formula; row 5 of the model is empty.
FixtureBook BlockBook() {
    const std::string model = SheetBody(
        R"(<row r="2" ht="30" customHeight="1"><c r="A2" s="1" t="s"><v>0</v></c><c r="B2" s="1"/></row>)"
        R"(<row r="3" s="2" customFormat="1"><c r="A3" s="2"><v>1.5</v></c><c r="B3"><f>A3*2+$A$3</f><v>4.5</v></c></row>)"
        R"(<row r="4"><c r="A4"><v>7</v></c><c r="B4"><f t="shared" ref="B4:C4" si="0">A4+1</f><v>8</v></c>)"
        R"(<c r="C4"><f t="shared" si="0"/><v>9</v></c></row>)",
        R"(<mergeCells count="2"><mergeCell ref="A2:C2"/><mergeCell ref="A9:B9"/></mergeCells>)");
    // The calculation sheet: something in every target row, to be overwritten.
    const std::string calc = SheetBody(
        R"(<row r="10" ht="50" customHeight="1"><c r="A10"><v>99</v></c><c r="F10"><v>99</v></c></row>)"
        R"(<row r="11"><c r="D11" s="2"><v>99</v></c></row>)"
        R"(<row r="13" ht="40" customHeight="1"><c r="A13"><v>99</v></c></row>)"
        R"(<row r="14"><c r="A14"><v>14</v></c></row>)",
        R"(<mergeCells count="1"><mergeCell ref="D12:E13"/></mergeCells>)");
    return {{{"Model", model, ""}, {"Calc", calc, ""}}, {"Title"}, "", 0};
}

class PasteRowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        book_ = OpenWorkbook(WriteFixture(folder_, BlockBook()));
        model_ = &book_->Sheet("Model");
        calc_ = &book_->Sheet("Calc");
    }

    std::string SavedCalc() {
        const auto path = folder_ / "saved.xlsx";
        book_->SaveAs(path);
        return PartText(path, "xl/worksheets/sheet2.xml");
    }

    TempFolder folder_;
    std::unique_ptr<Workbook> book_;
    Worksheet* model_ = nullptr;
    Worksheet* calc_ = nullptr;
};

TEST_F(PasteRowsTest, RowsLandWithValuesFormulasAndMovedReferences) {
    calc_->PasteRows(*model_, 2, 5, 10);
    EXPECT_EQ(calc_->Value(10, 1), CellValue(std::string("Title")));
    EXPECT_EQ(calc_->Value(11, 1), CellValue(1.5));
    // A11*2 + $A$3, which stays on row 3 of this sheet, where nothing is.
    EXPECT_EQ(calc_->Value(11, 2), CellValue(3.0));
    EXPECT_EQ(calc_->Value(12, 3), CellValue(9.0));  // the shared formula's member: B12+1
    const std::string xml = SavedCalc();
    EXPECT_NE(xml.find(R"(<c r="B11"><f>A11*2+$A$3</f><v>3</v></c>)"), std::string::npos) << xml;
    EXPECT_NE(xml.find(R"(<c r="C12"><f>B12+1</f><v>9</v></c>)"), std::string::npos) << xml;
}

TEST_F(PasteRowsTest, TargetRowsAreReplacedCompletelyHeightsIncluded) {
    calc_->PasteRows(*model_, 2, 5, 10);
    EXPECT_EQ(calc_->Value(10, 6), CellValue());  // not in the source row: gone
    EXPECT_EQ(calc_->Value(11, 4), CellValue());
    EXPECT_EQ(calc_->Value(13, 1), CellValue());      // the source row 5 does not exist
    EXPECT_EQ(calc_->Value(14, 1), CellValue(14.0));  // beyond the paste: kept
    const std::string xml = SavedCalc();
    EXPECT_NE(xml.find(R"(<row r="10" ht="30" customHeight="1"><c r="A10" s="1" t="s">)"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find(R"(<row r="11" s="2" customFormat="1"><c r="A11" s="2"><v>1.5</v></c>)"),
              std::string::npos)
        << xml;
    EXPECT_EQ(xml.find(R"(<row r="13")"), std::string::npos) << "row 13 keeps no height: " << xml;
    // The model's merge inside the rows comes along; the target's own merge goes;
    // the model's merge outside the rows stays behind.
    EXPECT_NE(xml.find(R"(<mergeCells count="1"><mergeCell ref="A10:C10"/></mergeCells>)"),
              std::string::npos)
        << xml;
}

// Blocks that start on the last row of the block before them overwrite it.
TEST_F(PasteRowsTest, ABlockStartingOnTheLastRowOfThePreviousOneOverwritesIt) {
    calc_->PasteRows(*model_, 2, 5, 10);
    calc_->SetNumber(13, 1, 5);
    calc_->PasteRows(*model_, 2, 5, 13);
    EXPECT_EQ(calc_->Value(13, 1), CellValue(std::string("Title")));
    const std::string xml = SavedCalc();
    EXPECT_NE(xml.find(R"(<row r="13" ht="30" customHeight="1">)"), std::string::npos) << xml;
    EXPECT_NE(xml.find(R"(<mergeCell ref="A13:C13"/>)"), std::string::npos) << xml;
}

TEST_F(PasteRowsTest, PastingWithinOneSheetReadsTheRowsBeforeWritingThem) {
    model_->PasteRows(*model_, 2, 4, 3);
    EXPECT_EQ(model_->Value(3, 1), CellValue(std::string("Title")));
    EXPECT_EQ(model_->Value(4, 1), CellValue(1.5));
    EXPECT_EQ(model_->Value(5, 1), CellValue(7.0));
}

TEST_F(PasteRowsTest, RowsOutsideTheSheetAreRefused) {
    EXPECT_THROW(calc_->PasteRows(*model_, 3, 2, 10), SpreadsheetError);
    EXPECT_THROW(calc_->PasteRows(*model_, 2, 17, 1048570), SpreadsheetError);
    TempFolder other;
    const auto otherBook = OpenWorkbook(WriteFixture(other, BlockBook()));
    try {
        calc_->PasteRows(otherBook->Sheet("Model"), 2, 3, 10);
        FAIL() << "rows of another workbook were taken";
    } catch (const SpreadsheetError& error) {
        EXPECT_STREQ(error.what(),
                     "シート「Calc」には同じブックのシートからしか行を貼り付けられません");
    }
}

}  // namespace
}  // namespace nubera::sheet
