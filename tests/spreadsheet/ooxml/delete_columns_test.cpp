#include <gtest/gtest.h>

#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/workbook.h"
#include "tests/spreadsheet/fixture/package_fixture.h"

namespace nubera::sheet {
namespace {

using test::FixtureBook;
using test::PartText;
using test::SheetBody;
using test::TempFolder;
using test::WriteFixture;

// Text boxes named `name` in an anchor given by its XML.
std::string Box(const std::string& anchor, const std::string& name, const std::string& place) {
    return "<xdr:" + anchor + ">" + place +
           R"(<xdr:sp macro="" textlink=""><xdr:nvSpPr><xdr:cNvPr id="2" name=")" + name +
           R"("/><xdr:cNvSpPr txBox="1"/></xdr:nvSpPr><xdr:spPr/></xdr:sp><xdr:clientData/></xdr:)" +
           anchor.substr(0, anchor.find(' ')) + ">";
}

std::string Marker(const char* tag, int column, int columnOffset, int row) {
    return std::string("<xdr:") + tag + "><xdr:col>" + std::to_string(column) +
           "</xdr:col><xdr:colOff>" + std::to_string(columnOffset) + "</xdr:colOff><xdr:row>" +
           std::to_string(row) + "</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:" + tag + ">";
}

// A summary sheet: widths A 5, B:C 8, D:H 10, I 12, J 14 (26.25, 42, 52.5,
// 63 and 73.5 pt with Calibri 11); values 1–6 in D4:I4 summed in J4.
FixtureBook SummaryBook() {
    const std::string cols =
        R"(<cols><col min="1" max="1" width="5" customWidth="1"/><col min="2" max="3" width="8" customWidth="1"/>)"
        R"(<col min="4" max="8" width="10" customWidth="1"/><col min="9" max="9" width="12" customWidth="1"/>)"
        R"(<col min="10" max="10" width="14" customWidth="1"/></cols>)";
    std::string row4 = R"(<row r="4">)";
    for (int column = 0; column < 6; ++column) {
        row4 += R"(<c r=")" + std::string(1, static_cast<char>('D' + column)) + R"(4"><v>)" +
                std::to_string(column + 1) + "</v></c>";
    }
    row4 += R"(<c r="J4"><f>SUM(D4:I4)</f><v>21</v></c></row>)";
    const std::string sum =
        cols +
        SheetBody(
            row4,
            R"(<mergeCells count="2"><mergeCell ref="D3:H3"/><mergeCell ref="I3:J3"/></mergeCells>)"
            R"(<conditionalFormatting sqref="D4:J4 F1"><cfRule type="expression" priority="1"><formula>$J4&gt;0</formula></cfRule></conditionalFormatting>)"
            R"(<dataValidations count="2"><dataValidation type="list" sqref="F6"><formula1>D1</formula1></dataValidation>)"
            R"(<dataValidation type="list" sqref="J6"><formula1>J1</formula1></dataValidation></dataValidations>)"
            R"(<hyperlinks><hyperlink ref="J1" location="Other!A1"/></hyperlinks>)");
    const std::string other = SheetBody(
        R"(<row r="1"><c r="A1"><f>Sum!J4*2</f></c><c r="B1"><f>SUM(Sum!E4:H4)</f></c><c r="C1"><f>J4</f></c></row>)");
    const std::string drawing =
        Box("twoCellAnchor", "Span", Marker("from", 2, 0, 0) + Marker("to", 9, 0, 2)) +
        Box("oneCellAnchor", "Right",
            Marker("from", 9, 12700, 5) + R"(<xdr:ext cx="635000" cy="254000"/>)") +
        Box(R"(twoCellAnchor editAs="absolute")", "Fixed",
            Marker("from", 5, 0, 1) + Marker("to", 6, 0, 2)) +
        Box("absoluteAnchor", "Free",
            R"(<xdr:pos x="1270000" y="0"/><xdr:ext cx="254000" cy="254000"/>)");
    return {{{"Sum", sum, drawing}, {"Other", other, ""}},
            {},
            R"(<definedName name="_xlnm.Print_Area" localSheetId="0">Sum!$A$1:$J$20</definedName>)",
            0};
}

class DeleteColumnsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = WriteFixture(folder_, SummaryBook());
        book_ = OpenWorkbook(path_);
        sum_ = &book_->Sheet("Sum");
    }

    std::string Saved(const std::string& part) {
        const auto path = folder_ / "saved.xlsx";
        book_->SaveAs(path);
        return PartText(path, part);
    }

    TempFolder folder_;
    std::filesystem::path path_;
    std::unique_ptr<Workbook> book_;
    Worksheet* sum_ = nullptr;
};

TEST_F(DeleteColumnsTest, CellsMoveLeftAndTheSumShrinks) {
    sum_->DeleteColumns(5, 8);
    EXPECT_EQ(sum_->Value(4, 4), CellValue(1.0));
    EXPECT_EQ(sum_->Value(4, 5), CellValue(6.0));  // was I4
    EXPECT_EQ(sum_->Value(4, 6), CellValue(7.0));  // was J4: SUM(D4:E4)
    EXPECT_EQ(sum_->Value(4, 7), CellValue());
    const std::string xml = Saved("xl/worksheets/sheet1.xml");
    EXPECT_NE(xml.find(R"(<c r="F4"><f>SUM(D4:E4)</f><v>7</v></c>)"), std::string::npos) << xml;
    EXPECT_NE(xml.find(R"(<dimension ref="D4:F4"/>)"), std::string::npos) << xml;
}

TEST_F(DeleteColumnsTest, WidthsAndMergedRangesFollow) {
    sum_->DeleteColumns(5, 8);
    const std::string xml = Saved("xl/worksheets/sheet1.xml");
    EXPECT_NE(xml.find(R"(<col min="4" max="4" width="10" customWidth="1"/>)"
                       R"(<col min="5" max="5" width="12" customWidth="1"/>)"
                       R"(<col min="6" max="6" width="14" customWidth="1"/></cols>)"),
              std::string::npos)
        << xml;
    // D3:H3 shrinks to one cell, which is no merge; I3:J3 moves left.
    EXPECT_NE(xml.find(R"(<mergeCells count="1"><mergeCell ref="E3:F3"/></mergeCells>)"),
              std::string::npos)
        << xml;
}

TEST_F(DeleteColumnsTest, ConditionalFormatsValidationsAndHyperlinksFollow) {
    sum_->DeleteColumns(5, 8);
    const std::string xml = Saved("xl/worksheets/sheet1.xml");
    EXPECT_NE(
        xml.find(
            R"(<conditionalFormatting sqref="D4:F4"><cfRule type="expression" priority="1"><formula>$F4&gt;0</formula>)"),
        std::string::npos)
        << xml;
    EXPECT_NE(
        xml.find(
            R"(<dataValidations count="1"><dataValidation type="list" sqref="F6"><formula1>F1</formula1></dataValidation></dataValidations>)"
            R"(<hyperlinks><hyperlink ref="F1" location="Other!A1"/></hyperlinks>)"),
        std::string::npos)
        << xml;
}

TEST_F(DeleteColumnsTest, FormulasOnOtherSheetsAndDefinedNamesFollow) {
    sum_->DeleteColumns(5, 8);
    Worksheet& other = book_->Sheet("Other");
    EXPECT_EQ(other.Value(1, 1), CellValue(14.0));
    EXPECT_EQ(other.Value(1, 2), CellValue(std::string("#REF!")));
    EXPECT_EQ(other.Value(1, 3), CellValue(0.0));  // its own J4 is empty and unmoved
    const std::string xml = Saved("xl/worksheets/sheet2.xml");
    EXPECT_NE(xml.find(R"(<c r="A1"><f>Sum!F4*2</f><v>14</v></c>)"), std::string::npos) << xml;
    EXPECT_NE(xml.find(R"(<c r="B1" t="e"><f>SUM(Sum!#REF!)</f><v>#REF!</v></c>)"),
              std::string::npos)
        << xml;
    const std::string workbook = PartText(folder_ / "saved.xlsx", "xl/workbook.xml");
    EXPECT_NE(workbook.find(">Sum!$A$1:$F$20</definedName>"), std::string::npos) << workbook;
}

TEST_F(DeleteColumnsTest, DrawingAnchorsFollowTheirKind) {
    struct Expected {
        const char* name;
        double leftBefore, leftAfter;
    };
    const Expected labels[] = {
        {"Span", 68.25, 68.25},     // starts left of the gap
        {"Right", 436.75, 226.75},  // one-cell anchor in J, 1 pt in: now in F
        {"Fixed", 215.25, 215.25},  // editAs="absolute" stays on the sheet
        {"Free", 100, 100},
    };
    for (const Expected& label : labels)
        EXPECT_DOUBLE_EQ(sum_->GetLabel(label.name).left, label.leftBefore);
    sum_->DeleteColumns(5, 8);
    for (const Expected& label : labels) {
        EXPECT_DOUBLE_EQ(sum_->GetLabel(label.name).left, label.leftAfter) << label.name;
    }
    const std::string xml = Saved("xl/drawings/drawing1.xml");
    // The two-cell anchor shrank with its cells: its end moved from J to F.
    EXPECT_NE(
        xml.find(R"(<xdr:to><xdr:col>5</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>2</xdr:row>)"),
        std::string::npos)
        << xml;
    // The one-cell anchor kept its size.
    EXPECT_NE(xml.find(R"(<xdr:ext cx="635000" cy="254000"/>)"), std::string::npos) << xml;
}

}  // namespace
}  // namespace nubera::sheet
