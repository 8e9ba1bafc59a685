#include "spreadsheet/ooxml/grid/sheet_xml.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "spreadsheet/ooxml/grid/shared_strings.h"
#include "spreadsheet/spreadsheet_error.h"
#include "tests/spreadsheet/ooxml/normalised_xml.h"

namespace nubera::sheet {
namespace {

using test::NormalisedXml;

constexpr const char* kOpen = R"(<worksheet xmlns:r="urn:r">)";

std::string Worksheet(const std::string& children) {
    return kOpen + children + "</worksheet>";
}

GridCell Cell(CellKind kind, int style = 0) {
    GridCell cell;
    cell.kind = kind;
    cell.style = style;
    return cell;
}

GridCell Number(double value) {
    GridCell cell = Cell(CellKind::Number);
    cell.number = value;
    return cell;
}

GridCell Texted(CellKind kind, std::string text) {
    GridCell cell = Cell(kind);
    cell.text = std::move(text);
    return cell;
}

GridCell Formula(std::string formula) {
    GridCell cell;
    cell.formula = std::move(formula);
    return cell;
}

// The computed values of a few formula cells, by (row, column).
FormulaResults Results(std::map<std::pair<int, int>, FormulaValue> values) {
    return [values = std::move(values)](int row, int column) -> std::optional<FormulaValue> {
        const auto found = values.find({row, column});
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

const FormulaResults kNoFormulas = Results({});

// The worksheet `before` with `data` written into it.
std::string Written(const std::string& before, const SheetData& data,
                    const FormulaResults& results = kNoFormulas) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(before.c_str()));
    WriteSheetGrid(document.document_element(), data, results);
    return NormalisedXml(document.document_element());
}

TEST(WriteSheetGrid, EveryKindOfCellIsWrittenWithItsTypeAndStyle) {
    SheetData data;
    Row& row = data.rows[1];
    row.cells[1] = Number(2.5);
    row.cells[2] = Cell(CellKind::SharedText, 3);
    row.cells[2].sharedText = 0;
    row.cells[3] = Cell(CellKind::Boolean);
    row.cells[3].number = 1;
    row.cells[4] = Texted(CellKind::Error, "#N/A");
    row.cells[5] = Texted(CellKind::Text, "a\ab");  // control characters escaped
    row.cells[6] = Cell(CellKind::Empty, 2);        // formatted, empty
    row.cells[7] = Number(1e-05);
    row.cells[8] = Number(-0.0);  // no "-0"
    EXPECT_EQ(Written(Worksheet("<sheetData/>"), data),
              NormalisedXml(Worksheet(R"(<dimension ref="A1:H1"/><sheetData><row r="1">)"
                                      R"(<c r="A1"><v>2.5</v></c>)"
                                      R"(<c r="B1" s="3" t="s"><v>0</v></c>)"
                                      R"(<c r="C1" t="b"><v>1</v></c>)"
                                      R"(<c r="D1" t="e"><v>#N/A</v></c>)"
                                      R"(<c r="E1" t="str"><v>a_x0007_b</v></c>)"
                                      R"(<c r="F1" s="2"/>)"
                                      R"(<c r="G1"><v>1e-05</v></c>)"
                                      R"(<c r="H1"><v>0</v></c>)"
                                      R"(</row></sheetData>)")));
}

// A reader shows the value stored with a formula until it computes it.
TEST(WriteSheetGrid, FormulasCarryTheValueComputedForThem) {
    SheetData data;
    Row& row = data.rows[4];
    row.cells[1] = Formula("B4*2");
    row.cells[2] = Formula("\"x\"&\"<y>\"");
    row.cells[3] = Formula("1/0");
    row.cells[4] = Formula("VLOOKUP(A1,B1:C3,2)");  // left to the reader: no value
    row.cells[5] = Formula("Z9");                   // an empty cell shows 0
    row.cells[6] = Formula("A4");
    row.cells[6].kind = CellKind::Number;  // the value read is replaced by the computed one
    row.cells[6].number = 99;
    const FormulaResults results = Results({{{4, 1}, 4.0},
                                            {{4, 2}, std::string("x<y>")},
                                            {{4, 3}, FormulaError::Div0},
                                            {{4, 5}, FormulaValue()},
                                            {{4, 6}, 4.0}});
    EXPECT_EQ(Written(Worksheet("<sheetData/>"), data, results),
              NormalisedXml(
                  Worksheet(R"(<dimension ref="A4:F4"/><sheetData><row r="4">)"
                            R"(<c r="A4"><f>B4*2</f><v>4</v></c>)"
                            R"(<c r="B4" t="str"><f>"x"&amp;"&lt;y&gt;"</f><v>x&lt;y&gt;</v></c>)"
                            R"(<c r="C4" t="e"><f>1/0</f><v>#DIV/0!</v></c>)"
                            R"(<c r="D4"><f>VLOOKUP(A1,B1:C3,2)</f></c>)"
                            R"(<c r="E4"><f>Z9</f><v>0</v></c>)"
                            R"(<c r="F4"><f>A4</f><v>4</v></c>)"
                            R"(</row></sheetData>)")));
}

TEST(WriteSheetGrid, RowsKeepTheirFormatAndRowsWithNothingAreLeftOut) {
    SheetData data;
    Row& formatted = data.rows[2];
    formatted.style = 4;
    formatted.height = 20.25;
    formatted.customHeight = true;
    formatted.hidden = true;
    formatted.otherAttributes = {{"outlineLevel", "1"}, {"x14ac:dyDescent", "0.2"}};
    data.rows[3];  // bare
    data.rows[5].height = 9;
    data.rows[7].cells[2] = Number(1);
    EXPECT_EQ(Written(Worksheet("<sheetData/>"), data),
              NormalisedXml(Worksheet(
                  R"(<dimension ref="B7"/><sheetData>)"
                  R"(<row r="2" s="4" customFormat="1" ht="20.25" hidden="1" customHeight="1" )"
                  R"(outlineLevel="1" x14ac:dyDescent="0.2"/>)"
                  R"(<row r="5" ht="9"/>)"
                  R"(<row r="7"><c r="B7"><v>1</v></c></row>)"
                  R"(</sheetData>)")));
}

// Readers refuse a worksheet whose children are out of the schema's order,
// so each list goes to its place among what the template holds.
TEST(WriteSheetGrid, ListsGoToTheirPlaceAmongTheElementsKept) {
    SheetData data;
    data.rows[1].cells[1] = Number(1);
    data.rows[40].cells[3] = Number(2);
    data.columns.resize(2);
    data.columns[0].max = 2;
    data.columns[0].width = 10.5;
    data.columns[0].style = 1;
    data.columns[1].min = data.columns[1].max = 3;
    data.columns[1].hidden = true;
    data.columns[1].otherAttributes = {{"customWidth", "1"}};
    data.merges = {{1, 1, 2, 3}, {40, 3, 41, 4}};
    data.rowBreaks = {{.beforeRow = 34, .manual = true}, {.beforeRow = 67, .manual = false}};
    const std::string before = Worksheet(
        R"(<sheetPr/><sheetViews/><sheetFormatPr defaultRowHeight="13.5"/><sheetData/>)"
        R"(<phoneticPr fontId="1"/><pageMargins/><pageSetup/><headerFooter/><drawing r:id="rId1"/>)");
    EXPECT_EQ(
        Written(before, data),
        NormalisedXml(Worksheet(
            R"(<sheetPr/><dimension ref="A1:C40"/><sheetViews/><sheetFormatPr defaultRowHeight="13.5"/>)"
            R"(<cols><col min="1" max="2" width="10.5" style="1"/>)"
            R"(<col min="3" max="3" hidden="1" customWidth="1"/></cols>)"
            R"(<sheetData><row r="1"><c r="A1"><v>1</v></c></row><row r="40"><c r="C40"><v>2</v></c></row></sheetData>)"
            R"(<mergeCells count="2"><mergeCell ref="A1:C2"/><mergeCell ref="C40:D41"/></mergeCells>)"
            R"(<phoneticPr fontId="1"/><pageMargins/><pageSetup/><headerFooter/>)"
            R"(<rowBreaks count="2" manualBreakCount="1"><brk id="33" max="16383" man="1"/>)"
            R"(<brk id="66" max="16383"/></rowBreaks>)"
            R"(<drawing r:id="rId1"/>)")));
}

TEST(WriteSheetGrid, EmptyListsLeaveNoElementBehind) {
    const std::string before =
        Worksheet(R"(<dimension ref="A1:Z99"/><cols><col min="1" max="1"/></cols>)"
                  R"(<sheetData><row r="1"><c r="A1"><v>1</v></c></row></sheetData>)"
                  R"(<mergeCells count="1"><mergeCell ref="A1:B1"/></mergeCells>)"
                  R"(<rowBreaks count="1"><brk id="1"/></rowBreaks>)");
    EXPECT_EQ(Written(before, SheetData{}),
              NormalisedXml(Worksheet(R"(<dimension ref="A1"/><sheetData/>)")));
}

// What is read is written back as it was, apart from what the model holds
// in one form only: inline and formula texts become shared strings, and
// shared formulas one formula per cell.
TEST(ReadSheetGrid, WhatIsReadIsWrittenBackAsItWas) {
    const struct {
        const char* name;
        std::string read;
        std::string written;
    } cases[] = {
        {"as read",
         R"(<dimension ref="A1:C3"/><cols><col min="1" max="3" width="9" customWidth="1"/></cols>)"
         R"(<sheetData><row r="1" ht="18" customHeight="1"><c r="A1" s="1"><v>1.5</v></c>)"
         R"(<c r="B1" t="s"><v>0</v></c><c r="C1" t="b"><v>0</v></c></row>)"
         R"(<row r="3" s="2" customFormat="1"><c r="C3" t="e"><v>#REF!</v></c></row></sheetData>)"
         R"(<mergeCells count="1"><mergeCell ref="A3:B3"/></mergeCells>)",
         ""},
        {"rows and cells without numbers",
         R"(<sheetData><row><c><v>1</v></c><c><v>2</v></c></row><row><c><v>3</v></c></row></sheetData>)",
         R"(<dimension ref="A1:B2"/><sheetData><row r="1"><c r="A1"><v>1</v></c>)"
         R"(<c r="B1"><v>2</v></c></row><row r="2"><c r="A2"><v>3</v></c></row></sheetData>)"},
        {"inline texts join the shared strings",
         R"(<sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>new</t></is></c>)"
         R"(<c r="B1" t="str"><v>old</v></c></row></sheetData>)",
         R"(<dimension ref="A1:B1"/><sheetData><row r="1"><c r="A1" t="s"><v>1</v></c>)"
         R"(<c r="B1" t="s"><v>0</v></c></row></sheetData>)"},
        {"a row style counts only when flagged",
         R"(<sheetData><row r="1" s="3" spans="1:2"><c r="A1"><v>1</v></c></row></sheetData>)",
         R"(<dimension ref="A1"/><sheetData><row r="1"><c r="A1"><v>1</v></c></row></sheetData>)"},
        {"shared formulas",
         R"(<sheetData><row r="1"><c r="A1"><f t="shared" ref="A1:A3" si="0">B1*$C$1</f><v>2</v></c></row>)"
         R"(<row r="2"><c r="A2"><f t="shared" si="0"/><v>4</v></c></row></sheetData>)",
         R"(<dimension ref="A1:A2"/><sheetData><row r="1"><c r="A1"><f>B1*$C$1</f></c></row>)"
         R"(<row r="2"><c r="A2"><f>B2*$C$1</f></c></row></sheetData>)"},
    };
    for (const auto& c : cases) {
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(Worksheet(c.read).c_str())) << c.name;
        SharedStrings strings;
        strings.Add("old");
        const SheetData data = ReadSheetGrid(document.document_element(), strings, "Sheet");
        WriteSheetGrid(document.document_element(), data, kNoFormulas);
        EXPECT_EQ(NormalisedXml(document.document_element()),
                  NormalisedXml(Worksheet(c.written.empty() ? c.read : c.written)))
            << c.name;
    }
}

TEST(ReadSheetGrid, AddressesItCannotReadAreRefusedNamingSheetAndCell) {
    const std::pair<const char*, const char*> cases[] = {
        {R"(<row r="0"/>)", "シート「Data」の行番号0が不正です"},
        {R"(<row r="1048577"/>)", "シート「Data」の行番号1048577が不正です"},
        {R"(<row r="2"><c r="A3"/></row>)", "シート「Data」のセル番地「A3」が不正です"},
        {R"(<row r="2"><c r="XFE2"/></row>)", "シート「Data」のセル番地「XFE2」が不正です"},
        {R"(<row r="2"><c r="B2" t="s"><v>1</v></c></row>)",
         "シート「Data」のセルB2の共有文字列の番号が不正です"},
    };
    for (const auto& [rows, message] : cases) {
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(
            Worksheet("<sheetData>" + std::string(rows) + "</sheetData>").c_str()));
        SharedStrings strings;
        strings.Add("only");
        try {
            ReadSheetGrid(document.document_element(), strings, "Data");
            ADD_FAILURE() << rows;
        } catch (const SpreadsheetError& error) {
            EXPECT_STREQ(error.what(), message);
        }
    }
}

TEST(PlaceWorksheetElement, InsertsAtTheSchemasPlaceAndFindsWhatIsThere) {
    const struct {
        const char* name;
        const char* before;
        const char* after;
    } cases[] = {
        {"drawing", "<sheetData/><pageSetup/><extLst/>",
         "<sheetData/><pageSetup/><drawing/><extLst/>"},
        {"sheetPr", "<dimension/><sheetData/>", "<sheetPr/><dimension/><sheetData/>"},
        {"headerFooter", "<sheetData/>", "<sheetData/><headerFooter/>"},
        {"pageSetup", "<pageSetup a=\"1\"/>", "<pageSetup a=\"1\"/>"},
        {"rowBreaks", "<sheetData/><unknownElement/>", "<sheetData/><unknownElement/><rowBreaks/>"},
    };
    for (const auto& c : cases) {
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(Worksheet(c.before).c_str()));
        PlaceWorksheetElement(document.document_element(), c.name);
        EXPECT_EQ(NormalisedXml(document.document_element()), NormalisedXml(Worksheet(c.after)))
            << c.name;
    }
}

TEST(RangesAfterColumnDeletion, RangesAndTheirFormulasFollowAndEmptiedElementsGo) {
    const std::string before = Worksheet(
        R"(<conditionalFormatting sqref="B1:F1 D3"><cfRule type="expression"><formula>E1&gt;0</formula></cfRule></conditionalFormatting>)"
        R"(<conditionalFormatting sqref="D1:E9"><cfRule/></conditionalFormatting>)"
        R"(<dataValidations count="2"><dataValidation sqref="F2"><formula1>Sheet!$F$1:$F$3</formula1></dataValidation>)"
        R"(<dataValidation sqref="D2"/></dataValidations>)"
        R"(<hyperlinks><hyperlink ref="E5" r:id="rId2"/></hyperlinks>)");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(before.c_str()));
    RangesAfterColumnDeletion(document.document_element(), "Sheet", 4, 5);  // D:E
    EXPECT_EQ(
        NormalisedXml(document.document_element()),
        NormalisedXml(Worksheet(
            R"(<conditionalFormatting sqref="B1:D1"><cfRule type="expression"><formula>#REF!&gt;0</formula></cfRule></conditionalFormatting>)"
            R"(<dataValidations count="1"><dataValidation sqref="D2"><formula1>Sheet!$D$1:$D$3</formula1></dataValidation>)"
            R"(</dataValidations>)")));
}

}  // namespace
}  // namespace nubera::sheet
