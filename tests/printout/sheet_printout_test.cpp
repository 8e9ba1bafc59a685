#include "printout/sheet_printout.h"

#include <gtest/gtest.h>

#include "printout/workbook_printout.h"
#include "spreadsheet/spreadsheet_error.h"
#include "tests/spreadsheet/fixture/package_fixture.h"

namespace nubera::printout {
namespace {

using test::FixtureBook;
using test::SheetBody;
using test::TempFolder;
using test::WriteFixture;

// A line from (x1, y1) to (x2, y2) in points, placed absolutely.
std::string LineAnchor(double x1, double y1, double x2, double y2) {
    auto emu = [](double points) { return std::to_string(static_cast<long long>(points * 12700)); };
    return R"(<xdr:absoluteAnchor><xdr:pos x=")" + emu(x1) + R"(" y=")" + emu(y1) +
           R"("/><xdr:ext cx=")" + emu(x2 - x1) + R"(" cy=")" + emu(y2 - y1) +
           R"("/><xdr:cxnSp macro=""><xdr:nvCxnSpPr><xdr:cNvPr id="2" name="Line 2"/>)"
           R"(<xdr:cNvCxnSpPr/></xdr:nvCxnSpPr><xdr:spPr><a:prstGeom prst="line"/>)"
           R"(<a:ln w="9525"><a:solidFill><a:srgbClr val="FF0000"/></a:solidFill>)"
           R"(<a:prstDash val="lgDashDot"/></a:ln></xdr:spPr></xdr:cxnSp><xdr:clientData/>)"
           R"(</xdr:absoluteAnchor>)";
}

class SheetPrintoutTest : public ::testing::Test {
  protected:
    WorkbookPrintout Open(const FixtureBook& book, std::vector<std::string> sheets) {
        return WorkbookPrintout(WriteFixture(folder, book), sheets);
    }
    TempFolder folder;
};

TEST_F(SheetPrintoutTest, PrintsFromA1ToTheLastValueOrShape) {
    FixtureBook book;
    book.sheets = {{"Data", SheetBody(R"(<row r="3"><c r="C3"><v>1.5</v></c></row>)"),
                    LineAnchor(300, 100, 400, 150)}};
    const WorkbookPrintout printout = Open(book, {"Data"});
    ASSERT_EQ(printout.PageCount(), 1);
    // Default columns are 48 points wide and rows 15 points tall: the line
    // ends in column I, row 10.
    EXPECT_EQ(*printout.Page(0).area, (PageArea{1, 10, 1, 9, std::nullopt, std::nullopt}));
    const SheetPrintout& sheet = *printout.Page(0).sheet;
    ASSERT_EQ(sheet.Shapes().size(), 1u);
    const sheet::DrawnShape& line = sheet.Shapes()[0];
    EXPECT_EQ(line.kind, sheet::DrawnShape::Kind::Line);
    EXPECT_EQ(line.outline->color, 0xFF0000u);
    EXPECT_EQ(line.outline->dash, "lgDashDot");
    EXPECT_DOUBLE_EQ(line.outline->width, 0.75);
}

TEST_F(SheetPrintoutTest, ShowsValuesThroughTheirNumberFormats) {
    FixtureBook book;
    book.sharedStrings = {"Em"};
    book.sheets = {{"Data",
                    SheetBody(R"(<row r="1"><c r="A1" t="s"><v>0</v></c>)"
                              R"(<c r="B1" s="1"><v>2.675</v></c>)"
                              R"(<c r="C1" s="2"><v>-0.5</v></c>)"
                              R"(<c r="D1"><f>B1*2</f><v>5.35</v></c></row>)"),
                    ""}};
    const WorkbookPrintout printout = Open(book, {"Data"});
    const SheetPrintout& sheet = *printout.Page(0).sheet;
    EXPECT_EQ(sheet.Shown(1, 1)->text, "Em");
    EXPECT_FALSE(sheet.Shown(1, 1)->number);
    EXPECT_EQ(sheet.Shown(1, 2)->text, "2.68");
    EXPECT_EQ(sheet.Shown(1, 3)->text, "-0.500");
    EXPECT_EQ(sheet.Shown(1, 4)->text, "5.35");  // a formula shows its stored value
    EXPECT_TRUE(sheet.Shown(1, 4)->number);
    EXPECT_EQ(sheet.Shown(1, 5), std::nullopt);
}

TEST_F(SheetPrintoutTest, ReadsPageSetupPrintAreaAndTitles) {
    FixtureBook book;
    std::string rows;
    for (int row = 1; row <= 60; ++row) {
        rows += "<row r=\"" + std::to_string(row) + "\"><c r=\"A" + std::to_string(row) + "\"><v>" +
                std::to_string(row) + "</v></c></row>";
    }
    book.sheets = {{"Data",
                    SheetBody(rows, R"(<printOptions horizontalCentered="1"/>)"
                                    R"(<pageMargins left="1" right="1" top="1" bottom="1")"
                                    R"( header="0.5" footer="0.5"/>)"
                                    R"(<pageSetup paperSize="9" orientation="landscape")"
                                    R"( scale="80"/><headerFooter><oddFooter>&amp;P)"
                                    R"(</oddFooter></headerFooter>)"),
                    ""}};
    book.definedNames =
        R"(<definedName name="_xlnm.Print_Area" localSheetId="0">Data!$A$1:$C$50</definedName>)"
        R"(<definedName name="_xlnm.Print_Titles" localSheetId="0">Data!$1:$2</definedName>)";
    const WorkbookPrintout printout = Open(book, {"Data"});
    const sheet::PageSetup& setup = printout.Page(0).sheet->Setup();
    EXPECT_DOUBLE_EQ(setup.paperWidth, 841.89);  // A4 turned
    EXPECT_DOUBLE_EQ(setup.marginLeft, 72);
    EXPECT_DOUBLE_EQ(setup.footerMargin, 36);
    EXPECT_TRUE(setup.centerHorizontally);
    EXPECT_EQ(setup.footer, "&P");
    EXPECT_EQ(setup.printArea, (sheet::CellRange{1, 1, 50, 3}));
    EXPECT_EQ(setup.titleRows, (std::pair{1, 2}));
    // 80 %: (595.28 − 144) / 0.8 = 564.1 points of sheet hold 37 rows of 15.
    ASSERT_EQ(printout.PageCount(), 2);
    EXPECT_EQ(printout.Page(0).area->lastRow, 37);
    EXPECT_EQ(printout.Page(1).area->firstRow, 38);
    EXPECT_EQ(printout.Page(1).area->lastRow, 50);
    EXPECT_EQ(printout.Page(1).area->titleRows, (std::pair{1, 2}));
}

TEST_F(SheetPrintoutTest, PagesAreNumberedThroughTheSheetsAsOneJob) {
    FixtureBook book;
    const std::string value = SheetBody(R"(<row r="1"><c r="A1"><v>1</v></c></row>)");
    book.sheets = {{"One", value, ""}, {"Empty", SheetBody(""), ""}, {"Two", value, ""}};
    const WorkbookPrintout printout = Open(book, {"Two", "Empty", "One"});
    ASSERT_EQ(printout.PageCount(), 2);  // an empty sheet prints nothing
    EXPECT_EQ(printout.Page(0).sheet->Name(), "Two");
    EXPECT_EQ(printout.Page(1).sheet->Name(), "One");
    EXPECT_EQ(printout.Page(1).number, 2);
    EXPECT_THROW(Open(book, {"Missing"}), sheet::SpreadsheetError);
}

}  // namespace
}  // namespace nubera::printout
