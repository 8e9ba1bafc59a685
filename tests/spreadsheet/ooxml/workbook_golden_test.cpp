#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "spreadsheet/ooxml/package/zip_archive.h"
#include "spreadsheet/ooxml/xlsx_workbook.h"
#include "tests/spreadsheet/fixture/package_fixture.h"
#include "tests/spreadsheet/ooxml/normalised_xml.h"

// Every part of a small workbook, written by the model from a template,
// compared with the part as it is expected, kept under golden/. A change of
// the writer shows as the lines of the parts it changes. After a change
// made on purpose, NUBERA_UPDATE_GOLDEN=1 writes the expectations anew from
// what the writer wrote; review them before committing.

namespace nubera::sheet {
namespace {

using test::FixtureBook;
using test::NormalisedXml;
using test::SheetBody;
using test::TempFolder;
using test::WriteFixture;

const std::filesystem::path kGolden =
    std::filesystem::path(NUBERA_SOURCE_DIR) / "tests/spreadsheet/ooxml/golden/small_workbook";

// Texts that depend on the moment of writing: not compared.
struct VolatileText {
    const char* part;
    const char* element;
};
constexpr VolatileText kVolatile[] = {
    {"docProps/core.xml", "dcterms:created"},
    {"docProps/core.xml", "dcterms:modified"},
};
constexpr const char* kVolatileMark = "(written at saving)";

// The template: a model sheet that the run deletes, with a drawing; a
// calculation sheet; a summary with formulas over both, a merged range, a
// header and a labelled drawing.
FixtureBook Template() {
    const std::string model = SheetBody(
        R"(<row r="2"><c r="A2" t="s"><v>0</v></c><c r="B2"><f>B3*2</f></c></row>)"
        R"(<row r="3" ht="20.25" customHeight="1"><c r="A3" s="1"><v>0.5</v></c><c r="B3"><v>5</v></c></row>)",
        R"(<mergeCells count="1"><mergeCell ref="A3:B3"/></mergeCells>)");
    const std::string modelDrawing =
        R"(<xdr:absoluteAnchor><xdr:pos x="0" y="0"/><xdr:ext cx="1" cy="1"/><xdr:sp macro="" textlink="">)"
        R"(<xdr:nvSpPr><xdr:cNvPr id="2" name="LBL_Model"/><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr/></xdr:sp>)"
        R"(<xdr:clientData/></xdr:absoluteAnchor>)";
    const std::string calc = SheetBody(
        R"(<row r="1"><c r="A1"><v>2</v></c><c r="B1" s="1"><v>0</v></c><c r="C1" s="2"><f>Model!B3</f><v>5</v></c></row>)",
        R"(<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>)");
    const std::string summary =
        R"(<sheetViews><sheetView workbookViewId="0"/></sheetViews>)" +
        SheetBody(
            R"(<row r="1"><c r="A1"><f>SUM(Calc!A1:A3)</f><v>0</v></c><c r="B1"><v>1</v></c>)"
            R"(<c r="C1"><f>Calc!A1</f></c><c r="D1"><f>Calc!A1/Calc!C5</f></c>)"
            R"(<c r="E1"><f>IF(Calc!A1&gt;1,1,0)</f><v>7</v></c><c r="F1"><f>D1+C1</f></c>)"
            R"(<c r="G1"><f>SUM(A1:F1)*2</f></c></row>)",
            R"(<mergeCells count="1"><mergeCell ref="E1:F2"/></mergeCells>)"
            R"(<headerFooter><oddHeader>&amp;L[TITLE]&amp;R&amp;P / &amp;N</oddHeader></headerFooter>)");
    const std::string label =
        R"(<xdr:twoCellAnchor><xdr:from><xdr:col>4</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>4</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from>)"
        R"(<xdr:to><xdr:col>5</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>5</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to>)"
        R"(<xdr:sp macro="" textlink=""><xdr:nvSpPr><xdr:cNvPr id="2" name="LBL_X0"/><xdr:cNvSpPr txBox="1"/></xdr:nvSpPr><xdr:spPr/>)"
        R"(<xdr:txBody><a:bodyPr/><a:lstStyle/><a:p><a:r><a:rPr lang="ja-JP" sz="900"/><a:t>old</a:t></a:r></a:p></xdr:txBody>)"
        R"(</xdr:sp><xdr:clientData/></xdr:twoCellAnchor>)";
    return {
        {{"Model", model, modelDrawing}, {"Calc", calc, ""}, {"Summary", summary, label}},
        {"Model title"},
        R"(<definedName name="_xlnm.Print_Titles" localSheetId="0">Model!$2:$3</definedName>)"
        R"(<definedName name="_xlnm.Print_Area" localSheetId="2">Summary!$A$1:$F$9</definedName>)"
        R"(<definedName name="Total">Summary!$E$1</definedName>)",
        2};
}

// What a run does to a template, in small: texts and numbers set, model
// rows pasted with a page break, a column deleted, lines, a text box and a
// label moved, the header filled, the model deleted, the properties set.
void Fill(XlsxWorkbook& book) {
    Worksheet& calc = book.Sheet("Calc");
    const Worksheet& model = book.Sheet("Model");
    calc.SetText(3, 1, "分布荷重：ｑ１");
    calc.SetText(4, 1, "Model title");
    calc.SetText(5, 1, " bell\a & <tag>");
    calc.SetNumber(6, 1, 0.1);
    calc.SetNumber(1, 2, 4);
    calc.PasteRows(model, 2, 3, 10);
    calc.AddPageBreakBefore(10);
    calc.AddLine({10, 20, 100, 20, DashStyle::LongDashDot, PaletteColor::Red});
    Worksheet& summary = book.Sheet("Summary");
    summary.DeleteColumns(2, 3);
    summary.SetLabelCaption("LBL_X0", "①");
    summary.MoveLabel("LBL_X0", 120, 40);
    summary.AddLine({30, 60, 10, 50, DashStyle::SheetDefault, std::nullopt});
    summary.AddTextBox({"TXT_Max", "最大 1.25", 200, 80, 40, 11, "ＭＳ Ｐゴシック", 8, true,
                        TextAlignment::Right});
    summary.ReplaceInHeadersAndFooters("[TITLE]", "計算書 && 1");  // codes: "&&" prints "&"
    book.DeleteSheet("Model");
    book.SetDocumentProperties(
        {"即時沈下量計算結果", "ヌベラ",
         std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now())});
}

// The part with the texts of kVolatile marked, so that they compare equal.
std::string Steady(const std::string& part, const std::string& xml) {
    pugi::xml_document document;
    if (!document.load_string(xml.c_str(), pugi::parse_default | pugi::parse_declaration |
                                               pugi::parse_ws_pcdata_single)) {
        return xml;
    }
    for (const VolatileText& text : kVolatile) {
        if (part != text.part) continue;
        const std::string path = "//*[name()='" + std::string(text.element) + "']";
        for (const pugi::xpath_node& found : document.select_nodes(path.c_str())) {
            found.node().text() = kVolatileMark;
        }
    }
    std::ostringstream printed;
    document.save(printed, "", pugi::format_raw | pugi::format_no_declaration);
    return NormalisedXml(printed.str());
}

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool Updating() {
    const char* update = std::getenv("NUBERA_UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

TEST(WorkbookGolden, EveryPartOfASmallWorkbookIsWrittenAsExpected) {
    TempFolder folder;
    XlsxWorkbook book(WriteFixture(folder, Template()));
    Fill(book);
    const std::vector<ZipEntry> parts = ReadZipArchive(book.SavedBytes(), "golden.xlsx");
    std::vector<std::string> names;
    for (const ZipEntry& part : parts) names.push_back(part.name);
    // The model's sheet, drawing and print titles are gone, and the
    // calculation chain, which named their cells; the calculation sheet has a
    // drawing and the package its core properties.
    EXPECT_EQ(names, (std::vector<std::string>{
                         "[Content_Types].xml", "_rels/.rels", "docProps/app.xml",
                         "xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/styles.xml",
                         "xl/sharedStrings.xml", "xl/worksheets/sheet2.xml",
                         "xl/worksheets/sheet3.xml", "xl/worksheets/_rels/sheet3.xml.rels",
                         "xl/drawings/drawing3.xml", "xl/drawings/drawing2.xml",
                         "xl/worksheets/_rels/sheet2.xml.rels", "docProps/core.xml"}));
    for (const ZipEntry& part : parts) {
        const std::filesystem::path expected = kGolden / part.name;
        const std::string written = Steady(part.name, part.bytes);
        if (Updating()) {
            std::filesystem::create_directories(expected.parent_path());
            std::ofstream(expected, std::ios::binary) << written;
            continue;
        }
        ASSERT_TRUE(std::filesystem::exists(expected)) << expected;
        EXPECT_EQ(written, NormalisedXml(FileText(expected))) << part.name;
    }
    EXPECT_EQ(book.FindSheet("Model"), nullptr);
}

}  // namespace
}  // namespace nubera::sheet
