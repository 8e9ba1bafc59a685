#include "spreadsheet/workbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/spreadsheet_error.h"
#include "tests/spreadsheet/fixture/package_fixture.h"

namespace nubera::sheet {
namespace {

using test::FixtureBook;
using test::PartNames;
using test::PartText;
using test::RunOpenpyxl;
using test::SheetBody;
using test::TempFolder;
using test::WriteFixture;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const SpreadsheetError& error) {
        return error.what();
    }
    return "(no error)";
}

// Three sheets as a template keeps them: a model with a drawing (deleted by
// the run), a calculation sheet and a summary whose total reads the others.
FixtureBook ReportBook() {
    const std::string model = SheetBody(R"(<row r="2"><c r="A2" t="s"><v>0</v></c></row>)");
    const std::string calc = SheetBody(
        R"(<row r="1"><c r="A1"><v>2</v></c><c r="B1" s="1"><v>0</v></c><c r="C1" s="2"><f>Model!A9</f></c></row>)");
    const std::string summary = SheetBody(
        R"(<row r="1"><c r="A1"><f>SUM(Calc!A1:A3)</f><v>0</v></c><c r="B1"><f>Calc!A1/Calc!B1</f></c>)"
        R"(<c r="C1"><f>IF(Calc!A1&gt;1,1,0)</f></c><c r="D1"><f>Model!A2</f></c></row>)",
        R"(<mergeCells count="1"><mergeCell ref="E1:F2"/></mergeCells>)");
    const std::string drawing =
        R"(<xdr:absoluteAnchor><xdr:pos x="0" y="0"/><xdr:ext cx="1" cy="1"/><xdr:sp macro="" textlink="">)"
        R"(<xdr:nvSpPr><xdr:cNvPr id="2" name="LBL_A"/><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr/></xdr:sp><xdr:clientData/></xdr:absoluteAnchor>)";
    return {
        {{"Model", model, drawing}, {"Calc", calc, ""}, {"Summary", summary, ""}},
        {"Model title"},
        R"(<definedName name="_xlnm.Print_Titles" localSheetId="0">Model!$1:$1</definedName>)"
        R"(<definedName name="_xlnm.Print_Area" localSheetId="2">Summary!$A$1:$F$9</definedName>)"
        R"(<definedName name="Total">Summary!$A$1</definedName>)",
        0};
}

TEST(Workbook, OpeningFailuresNameTheFileAndTheReason) {
    TempFolder folder;
    EXPECT_TRUE(Contains(ErrorOf([&] { OpenWorkbook(folder / "none.xltx"); }),
                         "「" + (folder / "none.xltx").string() + "」を開けません: "));
    std::ofstream(folder / "text.xltx") << "not a zip";
    EXPECT_EQ(
        ErrorOf([&] { OpenWorkbook(folder / "text.xltx"); }),
        "「" + (folder / "text.xltx").string() + "」を開けません: ZIP形式のファイルではありません");
    FixtureBook broken = ReportBook();
    broken.sheets[1].body = "<sheetData><row r=\"1\"><c r=\"A1\"";
    const auto path = WriteFixture(folder, broken);
    EXPECT_EQ(ErrorOf([&] { OpenWorkbook(path)->Sheet("Calc"); }),
              "パーツ「xl/worksheets/sheet2.xml」のXMLが正しくありません（先頭から241バイトの位置: "
              "開始タグが不正です）");
    const auto book = OpenWorkbook(WriteFixture(folder, ReportBook(), "good.xltx"));
    EXPECT_EQ(ErrorOf([&] { book->Sheet("Gone"); }),
              "ブック「" + (folder / "good.xltx").string() + "」にシート「Gone」がありません");
}

TEST(Workbook, CellsTakeNumbersTextsAndClearingAndKeepTheirStyle) {
    TempFolder folder;
    const auto book = OpenWorkbook(WriteFixture(folder, ReportBook()));
    Worksheet& calc = book->Sheet("Calc");
    calc.SetText(3, 1, "分布荷重：ｑ１");
    calc.SetText(4, 1, "Model title");  // already shared: stored once
    calc.SetText(5, 1, "tab\there, bell\a");
    calc.SetNumber(6, 1, 0.1);
    calc.SetNumber(1, 2, 4);
    calc.SetText(7, 1, "");    // an empty value leaves the cell empty
    calc.ClearContents(1, 3);  // a formula goes with the value
    EXPECT_EQ(calc.Value(3, 1), CellValue(std::string("分布荷重：ｑ１")));
    EXPECT_EQ(calc.Value(5, 1), CellValue(std::string("tab\there, bell\a")));
    EXPECT_EQ(calc.Value(1, 3), CellValue());
    EXPECT_THROW(calc.SetNumber(1, 1, std::nan("")), SpreadsheetError);
    EXPECT_THROW(calc.SetNumber(1, 1, INFINITY), SpreadsheetError);
    EXPECT_THROW(calc.SetText(1, 1, "\xFF"), SpreadsheetError);
    EXPECT_THROW(calc.SetNumber(0, 1, 1), SpreadsheetError);
    EXPECT_THROW(calc.SetNumber(1, 16385, 1), SpreadsheetError);
    const auto path = folder / "saved.xlsx";
    book->SaveAs(path);
    const std::string sheet = PartText(path, "xl/worksheets/sheet2.xml");
    EXPECT_TRUE(Contains(
        sheet,
        R"(<c r="B1" s="1"><v>4</v></c><c r="C1" s="2"/></row><row r="3"><c r="A3" t="s"><v>1</v></c></row>)"
        R"(<row r="4"><c r="A4" t="s"><v>0</v></c></row>)"
        R"(<row r="5"><c r="A5" t="s"><v>2</v></c></row>)"
        R"(<row r="6"><c r="A6"><v>0.1</v></c></row>)"))
        << sheet;
    const std::string strings = PartText(path, "xl/sharedStrings.xml");
    EXPECT_TRUE(Contains(
        strings, R"(uniqueCount="3"><si><t>Model title</t></si><si><t>分布荷重：ｑ１</t></si>)"
                 R"(<si><t>tab	here, bell_x0007_</t></si></sst>)"))
        << strings;
}

TEST(Workbook, PageBreaksStaySortedAndSingle) {
    TempFolder folder;
    const auto book = OpenWorkbook(WriteFixture(folder, ReportBook()));
    Worksheet& calc = book->Sheet("Calc");
    for (int row : {66, 34, 66}) calc.AddPageBreakBefore(row);
    EXPECT_EQ(calc.PageBreaks(), (std::vector<int>{34, 66}));
    EXPECT_THROW(calc.AddPageBreakBefore(1), SpreadsheetError);
    const auto path = folder / "saved.xlsx";
    book->SaveAs(path);
    EXPECT_TRUE(Contains(
        PartText(path, "xl/worksheets/sheet2.xml"),
        R"(</sheetData><rowBreaks count="2" manualBreakCount="2">)"
        R"(<brk id="33" max="16383" man="1"/><brk id="65" max="16383" man="1"/></rowBreaks></worksheet>)"));
}

TEST(Workbook, FormulasAreSavedWithTheirValues) {
    TempFolder folder;
    const auto book = OpenWorkbook(WriteFixture(folder, ReportBook()));
    book->Sheet("Calc").SetNumber(3, 1, 5);
    const auto path = folder / "saved.xlsx";
    book->SaveAs(path);
    const std::string xml = PartText(path, "xl/worksheets/sheet3.xml");
    EXPECT_TRUE(Contains(xml, R"(<c r="A1"><f>SUM(Calc!A1:A3)</f><v>7</v></c>)")) << xml;
    EXPECT_TRUE(Contains(xml, R"(<c r="B1" t="e"><f>Calc!A1/Calc!B1</f><v>#DIV/0!</v></c>)"))
        << xml;
    EXPECT_TRUE(Contains(xml, R"(<c r="C1"><f>IF(Calc!A1&gt;1,1,0)</f></c>)"))
        << xml;  // left to the reader
    EXPECT_TRUE(Contains(xml, R"(<c r="D1" t="str"><f>Model!A2</f><v>Model title</v></c>)")) << xml;
    EXPECT_TRUE(Contains(PartText(path, "xl/workbook.xml"),
                         R"(<calcPr calcId="191029" fullCalcOnLoad="1"/>)"));
    // The calculation chain goes: part, relationship and content type.
    EXPECT_EQ(std::ranges::count(PartNames(path), std::string("xl/calcChain.xml")), 0);
    EXPECT_FALSE(Contains(PartText(path, "xl/_rels/workbook.xml.rels"), "calcChain"));
    EXPECT_FALSE(Contains(PartText(path, "[Content_Types].xml"), "calcChain"));
}

TEST(Workbook, DeletingASheetTakesItsPartsNamesAndReferences) {
    TempFolder folder;
    const auto book = OpenWorkbook(WriteFixture(folder, ReportBook()));
    book->DeleteSheetAt(0);
    EXPECT_EQ(book->SheetNames(), (std::vector<std::string>{"Calc", "Summary"}));
    EXPECT_EQ(book->Sheet("Summary").Value(1, 4), CellValue(std::string("#REF!")));
    EXPECT_EQ(ErrorOf([&] { book->DeleteSheet("Model"); }),
              "ブック「" + (folder / "fixture.xltx").string() +
                  "」に削除するシート「Model」がありません");
    const auto path = folder / "saved.xlsx";
    book->SaveAs(path);
    const auto parts = PartNames(path);
    for (const char* gone : {"xl/worksheets/sheet1.xml", "xl/worksheets/_rels/sheet1.xml.rels",
                             "xl/drawings/drawing1.xml"}) {
        EXPECT_EQ(std::ranges::count(parts, std::string(gone)), 0) << gone;
    }
    const std::string workbook = PartText(path, "xl/workbook.xml");
    EXPECT_TRUE(Contains(
        workbook,
        R"(<definedNames><definedName name="_xlnm.Print_Area" localSheetId="1">Summary!$A$1:$F$9</definedName>)"
        R"(<definedName name="Total">Summary!$A$1</definedName></definedNames>)"))
        << workbook;
    EXPECT_FALSE(Contains(PartText(path, "[Content_Types].xml"), "sheet1.xml"));
    EXPECT_FALSE(Contains(PartText(path, "[Content_Types].xml"), "drawing1.xml"));
    EXPECT_TRUE(Contains(PartText(path, "[Content_Types].xml"), "spreadsheetml.sheet.main+xml"));
    EXPECT_FALSE(Contains(PartText(path, "docProps/app.xml"), "TitlesOfParts"));
    EXPECT_TRUE(Contains(PartText(path, "xl/worksheets/sheet3.xml"),
                         R"(<c r="D1" t="e"><f>#REF!</f><v>#REF!</v></c>)"));
    book->DeleteSheet("calc");  // names compare without regard to case
    EXPECT_EQ(
        ErrorOf([&] { book->DeleteSheetAt(0); }),
        "シート「Summary」を削除できません: ブックには表示されるシートが少なくとも1枚必要です");
}

TEST(Workbook, AFailedSaveLeavesNothingBehind) {
    TempFolder folder;
    const auto book = OpenWorkbook(WriteFixture(folder, ReportBook()));
    const auto target = folder / "missing" / "saved.xlsx";
    EXPECT_TRUE(Contains(ErrorOf([&] { book->SaveAs(target); }),
                         "「" + target.string() + "」を保存できません: "));
    // A name taken by a folder fails at the final rename, with the system's reason alone.
    const auto taken = folder / "sub" / "taken.xlsx";
    std::filesystem::create_directories(taken);
    EXPECT_EQ(ErrorOf([&] { book->SaveAs(taken); }),
              "「" + taken.string() + "」を保存できません: 同じ名前のフォルダがあります");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "sub"), {}), 1);
    // The saved name exists only when complete; an empty claimed file is replaced.
    std::ofstream(folder / "claimed.xlsx").close();
    book->SaveAs(folder / "claimed.xlsx");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"claimed.xlsx", "fixture.xltx", "sub"}));
    EXPECT_FALSE(PartNames(folder / "claimed.xlsx").empty());
}

// openpyxl shares nothing with the model: what it reads is what any reader sees.
TEST(Workbook, AnIndependentReaderSeesTheChanges) {
    TempFolder folder;
    FixtureBook fixture = ReportBook();
    fixture.sheets[2].body =
        R"(<cols><col min="1" max="1" width="5" customWidth="1"/><col min="2" max="6" width="9" customWidth="1"/></cols>)" +
        fixture.sheets[2].body;
    const auto book = OpenWorkbook(WriteFixture(folder, fixture));
    Worksheet& model = book->Sheet("Model");
    model.SetNumber(3, 2, 1.25);
    Worksheet& calc = book->Sheet("Calc");
    calc.PasteRows(model, 2, 3, 10);
    calc.AddPageBreakBefore(10);
    Worksheet& summary = book->Sheet("Summary");
    summary.DeleteColumns(2, 3);
    summary.AddLine({10, 10, 100, 10, DashStyle::LongDashDot, PaletteColor::Red});
    book->DeleteSheetAt(0);
    const auto path = folder / "saved.xlsx";
    book->SaveAs(path);
    const std::string script = R"(
import sys, warnings, openpyxl
warnings.simplefilter("ignore")  # the fixture's styles are minimal
book = openpyxl.load_workbook(sys.argv[1])
calc, summary = book["Calc"], book["Summary"]
print(book.sheetnames)
print(calc["A10"].value, calc["B11"].value, [b.id for b in calc.row_breaks.brk])
print(summary["A1"].value, summary["B1"].value, [str(r) for r in summary.merged_cells.ranges])
print([(d.min, d.max, d.width) for d in summary.column_dimensions.values()])
values = openpyxl.load_workbook(sys.argv[1], data_only=True)["Summary"]
print(values["A1"].value)
)";
    EXPECT_EQ(RunOpenpyxl(script, path),
              "['Calc', 'Summary']\n"
              "Model title 1.25 [9]\n"
              "=SUM(Calc!A1:A3) =#REF! ['C1:D2']\n"
              "[(1, 1, 5.0), (2, 4, 9.0)]\n"
              "2\n");
}

// The title block's fields filled into every header and footer code, and the
// document properties written into a core part the package did not have.
TEST(Workbook, HeadersFootersAndDocumentPropertiesAsAReaderSeesThem) {
    TempFolder folder;
    const std::string body =
        SheetBody("",
                  "<headerFooter><oddHeader>&amp;L[P]&amp;R[T] [P]</oddHeader>"
                  "<oddFooter>&amp;Cp. &amp;P</oddFooter><firstHeader>&amp;C[P]</firstHeader>"
                  "</headerFooter>");
    const auto book = OpenWorkbook(WriteFixture(folder, {{{"Sheet", body, ""}}, {}, "", 0}));
    Worksheet& sheet = book->Sheet("Sheet");
    sheet.ReplaceInHeadersAndFooters("[P]", "A&&B.nbr");
    sheet.ReplaceInHeadersAndFooters("[T]", "2025/03/14 14:06");
    book->SetDocumentProperties({"計算結果（A&B.nbr）", "ヌベラ 1.0.0",
                                 std::chrono::sys_seconds{std::chrono::seconds{1741928767}}});
    const auto path = folder / "saved.xlsx";
    book->SaveAs(path);
    const std::string script = R"(
import sys, warnings, openpyxl
warnings.simplefilter("ignore")  # the fixture's styles are minimal
book = openpyxl.load_workbook(sys.argv[1])
sheet = book["Sheet"]
print(sheet.oddHeader.left.text, "|", sheet.oddHeader.right.text, "|", sheet.firstHeader.center.text)
print(sheet.oddFooter.center.text)
p = book.properties
print(p.title, "|", p.creator, "|", p.created.isoformat(), "|", p.modified.isoformat())
)";
    EXPECT_EQ(RunOpenpyxl(script, path),
              "A&&B.nbr | 2025/03/14 14:06 A&&B.nbr | A&&B.nbr\n"
              "p. &P\n"
              "計算結果（A&B.nbr） | ヌベラ 1.0.0 | 2025-03-14T05:06:07 | 2025-03-14T05:06:07\n");
    EXPECT_NE(PartText(path, "docProps/app.xml").find("<Application>ヌベラ 1.0.0</Application>"),
              std::string::npos);
}

}  // namespace
}  // namespace nubera::sheet
