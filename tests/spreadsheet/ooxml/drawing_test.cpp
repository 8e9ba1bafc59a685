#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/printable_workbook.h"
#include "spreadsheet/spreadsheet_error.h"
#include "spreadsheet/workbook.h"
#include "tests/spreadsheet/fixture/package_fixture.h"

namespace nubera::sheet {
namespace {

using test::FixtureBook;
using test::PartNames;
using test::PartText;
using test::SheetBody;
using test::TempFolder;
using test::WriteFixture;

constexpr const char* kLabel =
    R"(<xdr:twoCellAnchor><xdr:from><xdr:col>1</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>14</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from>)"
    R"(<xdr:to><xdr:col>2</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>15</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to>)"
    R"(<xdr:sp macro="" textlink=""><xdr:nvSpPr><xdr:cNvPr id="2" name="LBL_X0"/><xdr:cNvSpPr txBox="1"/></xdr:nvSpPr><xdr:spPr/>)"
    R"(<xdr:txBody><a:bodyPr/><a:lstStyle/><a:p><a:pPr algn="ctr"/><a:r><a:rPr lang="ja-JP" sz="900"/><a:t>old</a:t></a:r></a:p></xdr:txBody>)"
    R"(</xdr:sp><xdr:clientData/></xdr:twoCellAnchor>)";

// "Plain" has page settings and no drawing; "Labelled" has one text box.
FixtureBook DrawingBook() {
    const std::string plain = SheetBody(
        "",
        R"(<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>)"
        R"(<pageSetup paperSize="9"/><extLst/>)");
    return {{{"Plain", plain, ""}, {"Labelled", SheetBody(""), kLabel}}, {}, "", 0};
}

class DrawingTest : public ::testing::Test {
  protected:
    void SetUp() override { book_ = OpenWorkbook(WriteFixture(folder_, DrawingBook())); }

    std::filesystem::path Save() {
        const auto path = folder_ / "saved.xlsx";
        book_->SaveAs(path);
        return path;
    }

    TempFolder folder_;
    std::unique_ptr<Workbook> book_;
};

TEST_F(DrawingTest, TheFirstLineGivesTheSheetADrawingPart) {
    book_->Sheet("Plain").AddLine({150, 300, 550, 300, DashStyle::SheetDefault, {}});
    const auto path = Save();
    const auto parts = PartNames(path);
    EXPECT_NE(std::ranges::find(parts, "xl/drawings/drawing1.xml"), parts.end());
    EXPECT_NE(PartText(path, "xl/worksheets/sheet1.xml")
                  .find(R"(<pageSetup paperSize="9"/><drawing r:id="rId1"/><extLst/>)"),
              std::string::npos);
    EXPECT_NE(
        PartText(path, "xl/worksheets/_rels/sheet1.xml.rels")
            .find(
                R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing" Target="../drawings/drawing1.xml")"),
        std::string::npos);
    EXPECT_NE(
        PartText(path, "[Content_Types].xml")
            .find(
                R"(<Override PartName="/xl/drawings/drawing1.xml" ContentType="application/vnd.openxmlformats-officedocument.drawing+xml"/>)"),
        std::string::npos);
}

// Drawn from (200, 310) to (150, 300): up and to the left, so both flips.
TEST_F(DrawingTest, ALineIsAnAbsolutelyAnchoredConnector) {
    book_->Sheet("Plain").AddLine({200, 310, 150, 300, DashStyle::LongDashDot, PaletteColor::Red});
    const std::string xml = PartText(Save(), "xl/drawings/drawing1.xml");
    EXPECT_NE(
        xml.find(
            R"(<xdr:absoluteAnchor><xdr:pos x="1905000" y="3810000"/><xdr:ext cx="635000" cy="127000"/>)"
            R"(<xdr:cxnSp macro=""><xdr:nvCxnSpPr><xdr:cNvPr id="2" name="Line 2"/><xdr:cNvCxnSpPr/></xdr:nvCxnSpPr>)"
            R"(<xdr:spPr><a:xfrm flipH="1" flipV="1"><a:off x="1905000" y="3810000"/><a:ext cx="635000" cy="127000"/></a:xfrm>)"
            R"(<a:prstGeom prst="line"><a:avLst/></a:prstGeom>)"
            R"(<a:ln w="9525"><a:solidFill><a:srgbClr val="FF0000"/></a:solidFill><a:prstDash val="lgDashDot"/></a:ln>)"
            R"(</xdr:spPr></xdr:cxnSp><xdr:clientData/></xdr:absoluteAnchor>)"),
        std::string::npos)
        << xml;
}

TEST_F(DrawingTest, LinesReadBackAsTheyWereDrawn) {
    Worksheet& sheet = book_->Sheet("Labelled");
    const LineShape lines[] = {
        {150, 300, 550, 300, DashStyle::SheetDefault, {}},
        {160, 300, 190, 220, DashStyle::SheetDefault, {}},  // up and to the right
        {300, 215, 300, 305, DashStyle::LongDashDot, {}},
        {400, 300, 400, 310, DashStyle::Solid, PaletteColor::Red},
        {90.5, 10, 20.25, 40, DashStyle::Dash, PaletteColor::Blue},
    };
    for (const LineShape& line : lines) sheet.AddLine(line);
    const std::vector<LineShape> read = sheet.Lines();  // the text box is no line
    ASSERT_EQ(read.size(), std::size(lines));
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(std::tie(read[i].x1, read[i].y1, read[i].x2, read[i].y2),
                  std::tie(lines[i].x1, lines[i].y1, lines[i].x2, lines[i].y2))
            << i;
        EXPECT_EQ(read[i].dashStyle, lines[i].dashStyle) << i;
        EXPECT_EQ(read[i].schemeColor, lines[i].schemeColor) << i;
    }
    // New objects take ids after the text box's.
    EXPECT_NE(
        PartText(Save(), "xl/drawings/drawing2.xml").find(R"(<xdr:cNvPr id="3" name="Line 3"/>)"),
        std::string::npos);
}

TEST_F(DrawingTest, LinesThatCannotBeDrawnAreRefusedAndNothingIsAdded) {
    Worksheet& sheet = book_->Sheet("Labelled");
    EXPECT_THROW(sheet.AddLine({0, 0, 10, 10, static_cast<DashStyle>(3), {}}),
                 SpreadsheetError);  // no such dash
    EXPECT_THROW(sheet.AddLine({0, 0, 10, 10, DashStyle::Solid, static_cast<PaletteColor>(64)}),
                 SpreadsheetError);  // beyond the palette
    EXPECT_THROW(sheet.AddLine({0, 0, std::nan(""), 10, DashStyle::Solid, {}}), SpreadsheetError);
    EXPECT_THROW(sheet.AddLine({-1, 0, 10, 10, DashStyle::Solid, {}}), SpreadsheetError);
    EXPECT_TRUE(sheet.Lines().empty());
}

TEST_F(DrawingTest, ACaptionKeepsTheTextBoxFormat) {
    Worksheet& sheet = book_->Sheet("Labelled");
    EXPECT_EQ(sheet.GetLabel("LBL_X0").caption, "old");
    sheet.SetLabelCaption("LBL_X0", "①\n2.50");
    EXPECT_EQ(sheet.GetLabel("LBL_X0").caption, "①\n2.50");
    std::string xml = PartText(Save(), "xl/drawings/drawing2.xml");
    EXPECT_NE(
        xml.find(
            R"(<a:lstStyle/><a:p><a:pPr algn="ctr"/><a:r><a:rPr lang="ja-JP" sz="900"/><a:t>①</a:t></a:r></a:p>)"
            R"(<a:p><a:pPr algn="ctr"/><a:r><a:rPr lang="ja-JP" sz="900"/><a:t>2.50</a:t></a:r></a:p></xdr:txBody>)"),
        std::string::npos)
        << xml;
    sheet.SetLabelCaption("LBL_X0", "");
    EXPECT_EQ(sheet.GetLabel("LBL_X0").caption, "");
    xml = PartText(Save(), "xl/drawings/drawing2.xml");
    EXPECT_NE(xml.find(R"(<a:lstStyle/><a:p><a:pPr algn="ctr"/></a:p></xdr:txBody>)"),
              std::string::npos)
        << xml;
}

// Default Calibri columns are 48 pt wide and rows 15 pt high: the box spans
// B15 and moves to (200, 310) with its size.
TEST_F(DrawingTest, AMovedLabelKeepsItsSizeAndReportsItsPlace) {
    Worksheet& sheet = book_->Sheet("Labelled");
    const Label before = sheet.GetLabel("LBL_X0");
    EXPECT_EQ(std::tie(before.left, before.top), std::make_tuple(48.0, 210.0));
    sheet.MoveLabel("LBL_X0", 200, 310);
    const Label after = sheet.GetLabel("LBL_X0");
    EXPECT_EQ(std::tie(after.left, after.top), std::make_tuple(200.0, 310.0));
    const std::string xml = PartText(Save(), "xl/drawings/drawing2.xml");
    EXPECT_NE(
        xml.find(
            R"(<xdr:from><xdr:col>4</xdr:col><xdr:colOff>101600</xdr:colOff><xdr:row>20</xdr:row><xdr:rowOff>127000</xdr:rowOff></xdr:from>)"
            R"(<xdr:to><xdr:col>5</xdr:col><xdr:colOff>101600</xdr:colOff><xdr:row>21</xdr:row><xdr:rowOff>127000</xdr:rowOff></xdr:to>)"),
        std::string::npos)
        << xml;
}

TEST_F(DrawingTest, AMissingLabelIsNamed) {
    const std::pair<const char*, std::function<void(Worksheet&)>> calls[] = {
        {"Labelled", [](Worksheet& s) { s.SetLabelCaption("LBL_X99", "x"); }},
        {"Labelled", [](Worksheet& s) { s.MoveLabel("LBL_X99", 1, 1); }},
        {"Plain", [](Worksheet& s) { s.GetLabel("LBL_X99"); }},
    };
    for (const auto& [sheet, call] : calls) {
        try {
            call(book_->Sheet(sheet));
            ADD_FAILURE() << "no error for " << sheet;
        } catch (const SpreadsheetError& error) {
            EXPECT_EQ(error.what(),
                      "シート「" + std::string(sheet) + "」にラベル「LBL_X99」がありません");
        }
    }
    EXPECT_THROW(book_->Sheet("Labelled").SetLabelCaption("LBL_X0", "bell\a"), SpreadsheetError);
}

// A text box added to a sheet reads back as a label and prints as the text
// it was given, in its font, size, weight and alignment, without fill or outline.
TEST_F(DrawingTest, AddedTextBoxesReadBackAndPrintAsGiven) {
    TextBox box{"PLT_Point5", "⑥ 16.55（最大）", 280, 420.5, 70,
                11,           "ＭＳ Ｐゴシック", 8,   true,  TextAlignment::Right};
    book_->Sheet("Plain").AddTextBox(box);
    book_->Sheet("Labelled").AddTextBox(box);  // beside the template's own text box
    const auto path = Save();
    const auto saved = OpenWorkbook(path);
    const Label label = saved->Sheet("Plain").GetLabel("PLT_Point5");
    EXPECT_EQ(label.caption, box.text);
    EXPECT_NEAR(label.left, 280, 0.01);
    EXPECT_NEAR(label.top, 420.5, 0.01);
    EXPECT_EQ(saved->Sheet("Labelled").GetLabel("LBL_X0").caption, "old");

    const auto printable = OpenPrintableWorkbook(path);
    const std::vector<DrawnShape>& shapes = printable->FindSheet("Plain")->Shapes();
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_NEAR(shapes[0].rect.width, 70, 0.01);
    EXPECT_NEAR(shapes[0].rect.height, 11, 0.01);
    EXPECT_FALSE(shapes[0].fill);
    EXPECT_FALSE(shapes[0].outline);
    ASSERT_EQ(shapes[0].paragraphs.size(), 1u);
    const ShapeParagraph& text = shapes[0].paragraphs[0];
    EXPECT_EQ(text.text, box.text);
    EXPECT_EQ(text.fontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(text.fontSize, 8);
    EXPECT_TRUE(text.bold);
    EXPECT_EQ(text.alignment, TextAlignment::Right);
}

// Labels are found by name however their lookups and additions interleave.
TEST_F(DrawingTest, ATextBoxAddedAfterALookupIsFoundAndItsNameTaken) {
    Worksheet& sheet = book_->Sheet("Labelled");
    EXPECT_EQ(sheet.GetLabel("LBL_X0").caption, "old");
    sheet.AddLine({10, 10, 50, 10, DashStyle::SheetDefault, {}});
    TextBox box{"PLT_Point1", "① 1.00",          100, 200,   40,
                11,           "ＭＳ Ｐゴシック", 8,   false, TextAlignment::Center};
    sheet.AddTextBox(box);
    sheet.MoveLabel("PLT_Point1", 120, 220);
    const Label moved = sheet.GetLabel("PLT_Point1");
    EXPECT_EQ(moved.caption, "① 1.00");
    EXPECT_NEAR(moved.left, 120, 0.01);
    EXPECT_NEAR(moved.top, 220, 0.01);
    EXPECT_THROW(sheet.AddTextBox(box), SpreadsheetError);
    EXPECT_EQ(sheet.GetLabel("LBL_X0").caption, "old");
}

TEST_F(DrawingTest, TextBoxesOffTheSheetOrOfTwoLinesOrTakenNamesAreRefused) {
    Worksheet& sheet = book_->Sheet("Labelled");
    const auto refused = [&](std::string name, std::string text, double left, double width) {
        TextBox box;
        box.name = std::move(name);
        box.text = std::move(text);
        box.left = left;
        box.top = 10;
        box.width = width;
        box.height = 10;
        EXPECT_THROW(sheet.AddTextBox(box), SpreadsheetError) << box.name;
    };
    refused("Left", "x", -1, 20);
    refused("Wide", "x", 10, std::nan(""));
    refused("Lines", "x\ny", 10, 20);
    refused("LBL_X0", "x", 10, 20);
    EXPECT_EQ(sheet.GetLabel("LBL_X0").caption, "old");
}

}  // namespace
}  // namespace nubera::sheet
