// The template read once and filled many times, on several threads at once,
// and workbooks published under names their caller gives.

#include "report/result_template.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <thread>
#include <vector>

#include "files/file_bytes.h"
#include "report/result_workbook.h"
#include "tests/report/report_run.h"
#include "tests/spreadsheet/fixture/package_fixture.h"

namespace nubera::report {
namespace {

using namespace test;
using ::testing::StartsWith;

report::ResultTemplate LoadedTemplate() {
    std::string error;
    std::optional<report::ResultTemplate> loaded =
        report::ResultTemplate::Load(TemplatePath(), &error);
    EXPECT_TRUE(loaded) << error;
    return *loaded;
}

std::optional<std::filesystem::path> WriteAs(const ReportRun& run,
                                             const report::ResultTemplate& source,
                                             const std::filesystem::path& target,
                                             report::ExistingResult existing, std::string* error) {
    return report::WriteResultWorkbookAs(run.project, run.results, run.context, source, target,
                                         existing, error);
}

// Every part of a saved workbook with its bytes: what stays when the zip's own
// timestamps are set aside.
std::vector<std::string> Parts(const std::filesystem::path& workbook) {
    std::vector<std::string> parts;
    for (const std::string& name : test::PartNames(workbook)) {
        parts.push_back(name + "\n" + test::PartText(workbook, name));
    }
    return parts;
}

TEST(ResultTemplate, WorkbooksFilledOnSeveralThreadsAtOnceAreThoseFilledAlone) {
    const report::ResultTemplate source = LoadedTemplate();
    const auto folder = FreshFolder("template-threads");
    const std::vector<ReportRun> runs{OneBlockRun(), FiveBlockRun(), ManualPointsRun(),
                                      LargestRun()};
    std::vector<std::vector<std::string>> alone;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        std::string error;
        const auto path = WriteAs(runs[r], source, folder / ("alone" + std::to_string(r) + ".xlsx"),
                                  report::ExistingResult::Refuse, &error);
        ASSERT_TRUE(path) << error;
        alone.push_back(Parts(*path));
    }

    constexpr int kThreads = 4;
    std::vector<std::string> errors(kThreads * runs.size());
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                for (std::size_t r = 0; r < runs.size(); ++r) {
                    const std::size_t slot = t * runs.size() + r;
                    WriteAs(runs[r], source, folder / ("together" + std::to_string(slot) + ".xlsx"),
                            report::ExistingResult::Refuse, &errors[slot]);
                }
            });
        }
    }
    for (std::size_t slot = 0; slot < errors.size(); ++slot) {
        ASSERT_EQ(errors[slot], "") << slot;
        EXPECT_EQ(Parts(folder / ("together" + std::to_string(slot) + ".xlsx")),
                  alone[slot % runs.size()])
            << slot;
    }
}

TEST(ResultTemplate, ANameAlreadyTakenIsLeftAloneUnlessReplacing) {
    const report::ResultTemplate source = LoadedTemplate();
    const auto folder = FreshFolder("template-named");
    const auto target = folder / "名前.xlsx";
    std::ofstream(target) << "kept";
    const ReportRun run = OneBlockRun();

    std::string error;
    EXPECT_EQ(WriteAs(run, source, target, report::ExistingResult::Refuse, &error), std::nullopt);
    EXPECT_EQ(error, "計算結果ファイルを作成できませんでした: 「" + target.string() +
                         "」は既にあります（上書きしません）");
    EXPECT_EQ(ReadFileBytes(target), "kept");

    EXPECT_EQ(WriteAs(run, source, target, report::ExistingResult::Replace, &error), target);
    EXPECT_EQ(Parts(target), Parts(*WriteAs(run, source, folder / "again.xlsx",
                                            report::ExistingResult::Refuse, &error)));
    std::filesystem::remove(folder / "again.xlsx");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
        << "no pending file left";
}

TEST(ResultTemplate, ATemplateWithoutADisplacementLabelStillServesSettlementRuns) {
    const auto folder = FreshFolder("template-no-lateral-label");
    const auto changed = ChangedTemplate(folder, "xl/drawings/drawing2.xml", "name=\"LBL_TyakuA\"",
                                         "name=\"LBL_Other\"");
    std::string error;
    const std::optional<report::ResultTemplate> source =
        report::ResultTemplate::Load(changed, &error);
    ASSERT_TRUE(source) << error;
    const std::string missing = "シート「側方変位量のまとめ」にラベル「LBL_TyakuA」がありません";
    EXPECT_EQ(source->Missing(false), "");
    EXPECT_EQ(source->Missing(true), missing);

    EXPECT_TRUE(WriteAs(OneBlockRun(), *source, folder / "settlement.xlsx",
                        report::ExistingResult::Refuse, &error))
        << error;
    EXPECT_EQ(WriteAs(FiveBlockRun(), *source, folder / "lateral.xlsx",
                      report::ExistingResult::Refuse, &error),
              std::nullopt);
    EXPECT_EQ(error, "計算結果ファイルを作成できませんでした: " + missing);
    EXPECT_FALSE(std::filesystem::exists(folder / "lateral.xlsx"));
}

TEST(ResultTemplate, ATemplateWithoutASettlementLabelIsRefusedWhenLoaded) {
    const auto changed =
        ChangedTemplate(FreshFolder("template-no-settlement-label"), "xl/drawings/drawing1.xml",
                        "name=\"LBL_X3\"", "name=\"LBL_Other\"");
    std::string error;
    EXPECT_FALSE(report::ResultTemplate::Load(changed, &error));
    EXPECT_EQ(error, "シート「即時沈下量のまとめ」にラベル「LBL_X3」がありません");
}

// A template whose parts other programs would refuse is refused when it is
// loaded, naming the part: our own reader is far more forgiving than theirs,
// and the workbooks filled from it would not open elsewhere. Besides XML that
// is not well-formed, readers that map elements to typed fields refuse an
// attribute the element does not take, a value its field cannot hold, a
// style or shared string named past the end of its list, and a part that is
// not what its relationship or content type says.
TEST(ResultTemplate, ATemplateThatOtherReadersWouldRefuseIsRefusedNamingThePart) {
    struct Damage {
        const char* part;
        const char* from;
        const char* to;
        std::string fault;
    };
    const auto xmlFault = [](std::string_view part, std::string_view fault) {
        return "パーツ「" + std::string(part) + "」のXMLが正しくありません: " + std::string(fault);
    };
    const std::string sheet1 = "パーツ「xl/worksheets/sheet1.xml」の";
    const Damage damages[] = {
        {"xl/sharedStrings.xml", "<t>", "<t>\xFF\xFE",
         xmlFault("xl/sharedStrings.xml", "UTF-8でないバイトがあります")},
        {"[Content_Types].xml",
         "ContentType=\"application/vnd.openxmlformats-officedocument.theme+xml\"", "",
         xmlFault("[Content_Types].xml", "OverrideにPartNameまたはContentTypeがありません")},
        {"xl/worksheets/sheet1.xml", "<sheetData>", "<sheetData><x:row/>",
         xmlFault("xl/worksheets/sheet1.xml", "接頭辞「x」が宣言されていません（「x:row」）")},
        // XML that is not well-formed is named first, even below an element
        // that carries an attribute it does not take (in a part without "&",
        // which both checks look at in one walk).
        {"xl/worksheets/sheet8.xml", "<sheetData>", "<sheetData bogus=\"1\"><x:row/>",
         xmlFault("xl/worksheets/sheet8.xml", "接頭辞「x」が宣言されていません（「x:row」）")},
        {"xl/worksheets/sheet2.xml", "<sheetData>", "<sheetData a=\"1\" a=\"2\">",
         xmlFault("xl/worksheets/sheet2.xml", "要素「sheetData」に属性「a」が2つあります")},
        {"xl/styles.xml", "<fonts", "<!-- &nope; --><fonts x=\"&nope;\"",
         xmlFault("xl/styles.xml", "参照「&nope;」を解釈できません")},
        {"xl/worksheets/sheet7.xml", "&amp;L", "&;L",
         xmlFault("xl/worksheets/sheet7.xml", "参照「&;」を解釈できません")},
        {"xl/workbook.xml", "xmlns:r=\"http://schemas.", "xmlns:r=\"http://schemas:.",
         xmlFault(
             "xl/workbook.xml",
             "名前空間「http://schemas:.openxmlformats.org/officeDocument/2006/relationships」は"
             "URIとして正しくありません（「xmlns:r」）")},
        {"xl/styles.xml", "</styleSheet>", "</styleSheet>/styleSheet>",
         xmlFault("xl/styles.xml", "ルート要素の外に文字データがあります")},
        {"xl/worksheets/sheet5.xml", "paperSize=", "paperale=",
         "パーツ「xl/worksheets/sheet5.xml」の要素「pageSetup」の"
         "属性「paperale」はこの要素に使えません"},
        {"xl/worksheets/sheet1.xml", "top=\"0.75\"", "top=\"1e309\"",
         sheet1 + "要素「pageMargins」の属性「top」の値「1e309」は有限の数値ではありません"},
        // Judged as read, its reference resolved.
        {"xl/worksheets/sheet1.xml", "top=\"0.75\"", "top=\"&#49;e309\"",
         sheet1 + "要素「pageMargins」の属性「top」の値「1e309」は有限の数値ではありません"},
        {"xl/styles.xml", "vertical=\"center\"", "vertical=\"middle\"",
         "パーツ「xl/styles.xml」の要素「alignment」の属性「vertical」の値「middle」は"
         "top、center、bottom、justify、distributedのいずれかではありません"},
        {"xl/worksheets/sheet1.xml", "r=\"A1\" s=\"8\"", "r=\"A1\" s=\"9999\"",
         sheet1 + "要素「c」の属性「s」の値 9999 が指すものがありません（「cellXfs」にあるのは "},
        {"xl/styles.xml", "<numFmt numFmtId=\"164\"", "<numFmt numFmtId=\"165\"",
         "パーツ「xl/styles.xml」の要素「xf」の属性「numFmtId」の値 164 "
         "の表示形式が「numFmts」にありません"},
        {"xl/worksheets/sheet1.xml", "<v>0</v>", "<v>9999</v>",
         sheet1 + "セル「A1」の共有文字列の値 9999 が指すものがありません（「sst」にあるのは "},
        {"xl/styles.xml", "<patternFill patternType=\"gray125\"/>", "ill patternType=\"gray125\"/>",
         "パーツ「xl/styles.xml」の要素「fill」は文字データを持てません"},
        {"xl/sharedStrings.xml", "spreadsheetml/2006/main", "spreadsheetml/2006/mai",
         "パーツ「xl/sharedStrings.xml」のルート要素が名前空間"
         "「http://schemas.openxmlformats.org/spreadsheetml/2006/main」の「sst」ではありません"},
        {"xl/_rels/workbook.xml.rels", "relationships/sharedStrings", "relationships/sharedString",
         "パーツ「xl/sharedStrings.xml」の種類"
         "「application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml」は、"
         "パーツ「xl/_rels/workbook.xml.rels」の関係「rId9」の種類"
         "「http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedString」"
         "に合いません"},
    };
    // Each message from its start: the sizes of the lists some end with grow
    // with the template.
    for (const Damage& damage : damages) {
        const auto changed =
            ChangedTemplate(FreshFolder("template-damaged"), damage.part, damage.from, damage.to);
        std::string error;
        EXPECT_FALSE(report::ResultTemplate::Load(changed, &error)) << damage.to;
        EXPECT_THAT(error,
                    StartsWith("「" + changed.string() + "」を読み込めません: " + damage.fault));
    }
}

// The relationship prefix bound to another namespace: the sheets' ids are
// not relationship ids, and declaring the prefix once more would write a
// part no reader parses.
TEST(ResultTemplate, ATemplateWhoseRelationshipPrefixNamesAnotherNamespaceIsRefused) {
    const auto changed = ChangedTemplate(
        FreshFolder("template-other-prefix"), "xl/workbook.xml",
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"",
        "xmlns:r=\"http://example.com/other\"");
    std::string error;
    EXPECT_FALSE(report::ResultTemplate::Load(changed, &error));
    EXPECT_EQ(error, "「" + changed.string() +
                         "」を読み込めません: シート「即時沈下量の計算雛形」のパーツがありません");
}

// Two zip entries of one name (in any case) used to pass the load and fail
// every workbook afterwards with the zip library's English message.
TEST(ResultTemplate, ATemplateWithAPartTwiceIsRefusedNamingIt) {
    const auto folder = FreshFolder("template-part-twice");
    const auto doubled = folder / "doubled.xltx";
    std::string output;
    const std::string command =
        "/usr/bin/python3 -W ignore -c 'import sys, zipfile\n"
        "source = zipfile.ZipFile(sys.argv[1])\n"
        "with zipfile.ZipFile(sys.argv[2], \"w\") as out:\n"
        "    for name in source.namelist(): out.writestr(name, source.read(name))\n"
        "    out.writestr(\"XL/Workbook.xml\", source.read(\"xl/workbook.xml\"))' '" +
        TemplatePath().string() + "' '" + doubled.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::string error;
    EXPECT_FALSE(report::ResultTemplate::Load(doubled, &error));
    EXPECT_EQ(error, "「" + doubled.string() +
                         "」を読み込めません: パーツ「XL/Workbook.xml」が2つあります");
}

}  // namespace
}  // namespace nubera::report
