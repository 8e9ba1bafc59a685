#include "report/result_workbook.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "report/block_plan.h"
#include "report/figures/result_plot.h"
#include "report/figures/section_diagram.h"
#include "report/sheets/cover_sheet.h"
#include "report/sheets/input_sheet.h"
#include "report/sheets/method_sheet.h"
#include "report/text/report_text.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/workbook.h"
#include "tests/report/produced_workbook.h"
#include "tests/report/report_run.h"

namespace nubera::report {
namespace {

using namespace test;
using sheet::CellValue;

constexpr std::chrono::year_month_day kDay{std::chrono::year{2010}, std::chrono::January,
                                           std::chrono::day{12}};

std::filesystem::path ResultName(const std::filesystem::path& folder, int counter) {
    const char digits[] = {static_cast<char>('0' + counter / 10),
                           static_cast<char>('0' + counter % 10), 0};
    return folder / std::filesystem::path(u8"即時沈下量計算結果20100112" +
                                          std::u8string(digits, digits + 2) + u8".xlsx");
}

void Touch(const std::filesystem::path& path, const std::string& contents = "") {
    std::ofstream(path, std::ios::binary) << contents;
}

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::optional<std::filesystem::path> Publish(const std::filesystem::path& folder,
                                             std::string* error = nullptr) {
    const ReportRun run = OneBlockRun();
    return report::WriteResultWorkbook(run.project, run.results, run.context, TemplatePath(),
                                       folder, kDay, error);
}

TEST(ResultNames, EachRunTakesTheFirstFreeCounterOfTheDay) {
    const auto folder = FreshFolder("names-first");
    EXPECT_EQ(Publish(folder), ResultName(folder, 0));
    EXPECT_EQ(Publish(folder), ResultName(folder, 1));
    // Nothing but the two workbooks: no pending file is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
}

TEST(ResultNames, ADeletedCounterIsReusedAndNoOtherFileTouched) {
    const auto folder = FreshFolder("names-reuse");
    for (int n = 1; n <= 5; ++n) Touch(ResultName(folder, n), "kept");
    EXPECT_EQ(Publish(folder), ResultName(folder, 0));
    EXPECT_EQ(Contents(ResultName(folder, 3)), "kept");
    // An empty file under a name (as older versions left) is kept too.
    Touch(ResultName(folder, 6));
    EXPECT_TRUE(std::filesystem::is_empty(ResultName(folder, 6)));
    EXPECT_EQ(Publish(folder), ResultName(folder, 7));
}

TEST(ResultNames, TheDayGoesOnPastNinetyNineWithoutTouchingTakenNames) {
    const auto folder = FreshFolder("names-past-99");
    for (int n = 0; n <= 99; ++n) Touch(ResultName(folder, n), "run " + std::to_string(n));
    const auto hundredth = folder / std::filesystem::path(u8"即時沈下量計算結果20100112100.xlsx");
    EXPECT_EQ(report::ResultFileName(folder, kDay, 100), hundredth);
    std::string error;
    EXPECT_EQ(Publish(folder, &error), hundredth) << error;
    EXPECT_EQ(Contents(ResultName(folder, 0)), "run 0");
    EXPECT_EQ(Contents(ResultName(folder, 99)), "run 99");
    EXPECT_EQ(Publish(folder), report::ResultFileName(folder, kDay, 101));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 102);
}

TEST(ResultNames, ASavedProjectsWorkbooksAreNamedAfterItWithNumbersWhenTaken) {
    const auto folder = FreshFolder("names-project");
    const ReportRun run = OneBlockRun();
    const report::ResultNaming naming =
        report::ProjectResultNaming(folder, std::filesystem::path(u8"堤防.v2"));
    const auto publish = [&] {
        std::string error;
        auto published = report::WriteResultWorkbook(run.project, run.results, run.context,
                                                     TemplatePath(), naming, &error);
        EXPECT_TRUE(published) << error;
        return published.value_or(std::filesystem::path());
    };
    EXPECT_EQ(publish(), folder / std::filesystem::path(u8"堤防.v2_即時沈下量計算結果.xlsx"));
    Touch(folder / std::filesystem::path(u8"堤防.v2_即時沈下量計算結果_2.xlsx"), "kept");
    EXPECT_EQ(publish(), folder / std::filesystem::path(u8"堤防.v2_即時沈下量計算結果_3.xlsx"));
    EXPECT_EQ(Contents(folder / std::filesystem::path(u8"堤防.v2_即時沈下量計算結果_2.xlsx")),
              "kept");
}

TEST(ResultNames, AMissingFolderIsNamedWithTheReasonInJapanese) {
    const auto folder = FreshFolder("names-missing") / "absent";
    std::string error;
    EXPECT_EQ(Publish(folder, &error), std::nullopt);
    EXPECT_EQ(error, "計算結果ファイルを作成できませんでした: フォルダ「" + folder.string() +
                         "」にファイルを作成できません: ファイルまたはフォルダが見つかりません");
}

CellValue Expected(const Cell& cell) {
    if (cell.IsMissing()) return std::monostate{};
    return cell.AsNumber();
}

CellValue Text(std::string text) {
    return text;
}

const char* const kSettlementCalc = "即時沈下量の計算";
const char* const kSettlementSummary = "即時沈下量のまとめ";
const char* const kLateralCalc = "側方変位量の計算";
const char* const kLateralSummary = "側方変位量のまとめ";

// The point rows of a block, cell for cell.
void ExpectPointRows(const sheet::Worksheet& sheet, int r, const PointDetail& detail,
                     const PointDetail& firstLoad) {
    for (std::size_t k = 0; k < kPointCount; ++k) {
        SCOPED_TRACE("point " + std::to_string(k));
        const int row = r + 3 + static_cast<int>(k);
        if (detail[k][point_item::kOffset].IsMissing()) {
            for (int column = 2; column <= 8; ++column) {
                EXPECT_EQ(sheet.Value(row, column), CellValue{}) << "column " << column;
            }
            continue;
        }
        EXPECT_EQ(sheet.Value(row, 2), Text(CircledNumber(static_cast<int>(k) + 1)));
        EXPECT_EQ(sheet.Value(row, 3), Expected(detail[k][point_item::kOffset]));
        EXPECT_EQ(sheet.Value(row, 4), Expected(firstLoad[k][point_item::kOffset]));
        EXPECT_EQ(sheet.Value(row, 5), Expected(detail[k][point_item::kModulus]));
        EXPECT_EQ(sheet.Value(row, 6), Expected(detail[k][point_item::kHalfWidth]));
        EXPECT_EQ(sheet.Value(row, 7), Expected(detail[k][point_item::kLoad]));
        EXPECT_EQ(sheet.Value(row, 8), Expected(detail[k][point_item::kResult]));
    }
}

// The summary's point rows: position, load columns (as many as loads), the
// surcharge column (kept whether used or not) and the total.
void ExpectSummaryRows(const sheet::Worksheet& sheet, const std::vector<PointDetail>& loads,
                       const PointDetail* surcharge) {
    const int surchargeColumn = 4 + static_cast<int>(loads.size());
    for (std::size_t b = 0; b < kPointCount; ++b) {
        SCOPED_TRACE("point " + std::to_string(b));
        const int row = 4 + static_cast<int>(b);
        const bool present = !loads[0][b][point_item::kOffset].IsMissing();
        EXPECT_EQ(sheet.Value(row, 2),
                  present ? Text(CircledNumber(static_cast<int>(b) + 1)) : CellValue{});
        EXPECT_EQ(sheet.Value(row, 3), Expected(loads[0][b][point_item::kOffset]));
        double total = 0;
        for (std::size_t i = 0; i < loads.size(); ++i) {
            EXPECT_EQ(sheet.Value(row, 4 + static_cast<int>(i)),
                      Expected(loads[i][b][point_item::kResult]));
            total += loads[i][b][point_item::kResult].AsNumber();
        }
        if (surcharge) {
            EXPECT_EQ(sheet.Value(row, surchargeColumn),
                      Expected((*surcharge)[b][point_item::kResult]));
            total += (*surcharge)[b][point_item::kResult].AsNumber();
        }
        if (!surcharge) {
            EXPECT_EQ(sheet.Value(row, surchargeColumn), CellValue{});
        }
        const CellValue sum = sheet.Value(row, surchargeColumn + 1);
        if (present) {
            ASSERT_TRUE(std::holds_alternative<double>(sum));
            EXPECT_NEAR(std::get<double>(sum), total, 1e-9);
        } else {
            EXPECT_EQ(sum, CellValue{});
        }
    }
}

TEST(WriteResultWorkbook, OneBlockSettlementOnly) {
    const ReportRun run = OneBlockRun();
    ProducedWorkbook produced(run, "one-block");
    ASSERT_TRUE(produced.ok());
    EXPECT_EQ(
        produced.book().SheetNames(),
        (std::vector<std::string>{report::kCoverSheet, report::kInputSheet, report::kMethodSheet,
                                  kSettlementCalc, kSettlementSummary}));

    sheet::Worksheet& calc = produced.Sheet(kSettlementCalc);
    EXPECT_EQ(calc.Value(2, 1), Text("分布荷重：ｑ１"));
    EXPECT_EQ(calc.Value(2, 3), Text("H = 8.00m"));
    EXPECT_EQ(calc.Value(2, 5), Text("重心位置 = 0.00m"));
    EXPECT_EQ(calc.Value(3, 1), CellValue{});
    ExpectPointRows(calc, 2, run.results.settlementDetail[0], run.results.settlementDetail[0]);
    EXPECT_EQ(calc.Value(18, 1), CellValue{});  // no second block
    EXPECT_TRUE(calc.PageBreaks().empty());

    sheet::Worksheet& summary = produced.Sheet(kSettlementSummary);
    EXPECT_EQ(
        summary.Value(2, 2),
        Text("Em(換算変形係数) = " +
             report::NumberTextOrBlank(Cell::Number(run.results.equivalentModulus)) + " kN/㎡"));
    EXPECT_EQ(summary.Value(2, 6), Text("H(深度) = 8.00 m"));
    // E..H went: the load column, the surcharge column and the total follow.
    EXPECT_EQ(summary.Value(3, 4), Text("q1\n(cm)"));
    EXPECT_EQ(summary.Value(3, 5), Text("qX\n(cm)"));
    EXPECT_EQ(summary.Value(3, 6), Text("合計\n(cm)"));
    EXPECT_EQ(summary.Value(3, 7), CellValue{});
    ExpectSummaryRows(summary, run.results.settlementDetail, nullptr);
}

TEST(WriteResultWorkbook, FiveBlocksWithSurchargeAndLateral) {
    const ReportRun run = FiveBlockRun();
    ProducedWorkbook produced(run, "five-blocks");
    ASSERT_TRUE(produced.ok());
    EXPECT_EQ(produced.book().SheetNames(),
              (std::vector<std::string>{report::kCoverSheet, report::kInputSheet,
                                        report::kMethodSheet, kSettlementCalc, kSettlementSummary,
                                        kLateralCalc, kLateralSummary}));
    const CalcResults& r = run.results;
    const int rows[] = {2, 18, 35, 50, 67, 82};
    for (const char* name : {kSettlementCalc, kLateralCalc}) {
        SCOPED_TRACE(name);
        const bool lateral = name == kLateralCalc;
        const auto& loads = lateral ? r.lateralDetail : r.settlementDetail;
        const auto& surcharge = lateral ? r.surchargeLateralDetail : r.surchargeSettlementDetail;
        sheet::Worksheet& calc = produced.Sheet(name);
        EXPECT_EQ(calc.PageBreaks(), (std::vector<int>{34, 66, 98}));
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(calc.Value(rows[i], 1),
                      Text("分布荷重：ｑ" + report::FullWidthDigits(i + 1)));
            ExpectPointRows(calc, rows[i], loads[i], loads[0]);
        }
        EXPECT_EQ(calc.Value(82, 1), Text("分布荷重：ｑＸ"));
        EXPECT_EQ(calc.Value(83, 1), Text("（上載荷重）"));
        // The surcharge block too shows the offsets from the centre of q1.
        ExpectPointRows(calc, 82, surcharge, loads[0]);
        ASSERT_NE(surcharge[0][point_item::kOffset], loads[0][0][point_item::kOffset]);
    }
    sheet::Worksheet& settlement = produced.Sheet(kSettlementCalc);
    EXPECT_EQ(settlement.Value(35, 3), Text("H = 8.00m"));
    EXPECT_EQ(settlement.Value(35, 5), Text("重心位置 = 2.00m"));
    EXPECT_EQ(settlement.Value(82, 5), Text("重心位置 = -1.00m"));

    sheet::Worksheet& lateral = produced.Sheet(kLateralCalc);
    EXPECT_EQ(lateral.Value(2, 3), Text("載荷奥行 = 5.00m"));
    EXPECT_EQ(lateral.Value(2, 5), Text("ﾎﾟｱｿﾝ比 = 0.3"));
    EXPECT_EQ(lateral.Value(3, 5), Text("重心位置 = 0.00m"));
    EXPECT_EQ(lateral.Value(51, 5), Text("重心位置 = 3.00m"));
    EXPECT_EQ(lateral.Value(83, 5), Text("重心位置 = -1.00m"));

    sheet::Worksheet& settlementSummary = produced.Sheet(kSettlementSummary);
    EXPECT_EQ(settlementSummary.Value(3, 8), Text("q5\n(cm)"));  // nothing deleted
    EXPECT_EQ(settlementSummary.Value(3, 9), Text("qX\n(cm)"));
    EXPECT_EQ(settlementSummary.Value(2, 6), Text("H(深度) = 8.00 m"));
    ExpectSummaryRows(settlementSummary, r.settlementDetail, &r.surchargeSettlementDetail);

    sheet::Worksheet& lateralSummary = produced.Sheet(kLateralSummary);
    EXPECT_EQ(lateralSummary.Value(2, 2), settlementSummary.Value(2, 2));
    EXPECT_EQ(lateralSummary.Value(2, 6), Text("載荷奥行 = 5.00 m"));
    ExpectSummaryRows(lateralSummary, r.lateralDetail, &r.surchargeLateralDetail);
}

TEST(WriteResultWorkbook, LabelsAndDiagramOnTheSummaries) {
    const ReportRun run = FiveBlockRun();
    ProducedWorkbook produced(run, "labels");
    ASSERT_TRUE(produced.ok());
    for (const char* name : {kSettlementSummary, kLateralSummary}) {
        SCOPED_TRACE(name);
        sheet::Worksheet& summary = produced.Sheet(name);
        const report::SectionDiagram expected =
            report::LayOutSectionDiagram(run.project, run.results);
        EXPECT_EQ(expected.markers.size(), kPointCount);
        // The diagram's lines first, as laid out; the plot's all below its band.
        const std::vector<sheet::LineShape> lines = summary.Lines();
        const std::size_t diagramLines = expected.outline.size() + expected.markers.size();
        ASSERT_GT(lines.size(), diagramLines);
        for (std::size_t i = 0; i < expected.outline.size(); ++i) {
            EXPECT_NEAR(lines[i].x1, expected.outline[i].x1, 0.01) << i;
            EXPECT_NEAR(lines[i].y2, expected.outline[i].y2, 0.01) << i;
        }
        for (std::size_t i = diagramLines; i < lines.size(); ++i) {
            EXPECT_GE(std::min(lines[i].y1, lines[i].y2), report::kPlotBandTop) << i;
            EXPECT_LE(std::max(lines[i].y1, lines[i].y2), report::kPlotBandBottom) << i;
        }
        for (std::size_t k = 0; k < kPointCount; ++k) {
            const std::string index = std::to_string(k);
            EXPECT_EQ(summary.GetLabel("LBL_XP" + index).caption,
                      CircledNumber(static_cast<int>(k) + 1));
            EXPECT_EQ(summary.GetLabel("LBL_X" + index).caption,
                      report::FormatOrBlank(run.results.pointOffsets[0][k]));
            const sheet::Label tick = summary.GetLabel(expected.markers[k].label);
            EXPECT_EQ(tick.caption, CircledNumber(static_cast<int>(k) + 1));
            EXPECT_NEAR(tick.left, expected.markers[k].left, 0.5);
            EXPECT_NEAR(tick.top, 310, 0.5);
        }
    }
}

TEST(WriteResultWorkbook, PointsLeftEmptyKeepTheModelRowsAndClearTheTotal) {
    const ReportRun run = ManualPointsRun();
    ProducedWorkbook produced(run, "manual-points");
    ASSERT_TRUE(produced.ok());
    sheet::Worksheet& calc = produced.Sheet(kLateralCalc);
    ExpectPointRows(calc, 18, run.results.lateralDetail[1], run.results.lateralDetail[0]);
    sheet::Worksheet& summary = produced.Sheet(kSettlementSummary);
    ExpectSummaryRows(summary, run.results.settlementDetail, nullptr);
    EXPECT_EQ(summary.Value(14, 2), CellValue{});  // no ⑪
    EXPECT_EQ(summary.GetLabel("LBL_X10").caption, "");
    EXPECT_EQ(summary.GetLabel("LBL_XP10").caption, "");
    EXPECT_EQ(summary.GetLabel("LBL_XP5").caption, "⑥");
}

TEST(WriteResultWorkbook, PoissonRatioAsEntered) {
    ReportRun run = FiveBlockRun();
    run.project.poissonRatio = 0.25;
    ProducedWorkbook produced(run, "poisson");
    ASSERT_TRUE(produced.ok());
    EXPECT_EQ(produced.Sheet(kLateralCalc).Value(82, 5), Text("ﾎﾟｱｿﾝ比 = 0.25"));
}

// The surcharge block names its own depth and centroid, not those of a load.
TEST(WriteResultWorkbook, TheSurchargeBlockHeaderReadsTheSurchargeTables) {
    ReportRun run = FiveBlockRun();
    for (auto& point : run.results.surchargeSettlementDetail) {
        point[4] = Cell::Number(-1.25);
        point[5] = Cell::Number(9.5);
    }
    for (auto& point : run.results.surchargeLateralDetail) {
        point[4] = Cell::Number(2.5);
        point[5] = Cell::Number(7.25);
    }
    ProducedWorkbook produced(run, "surcharge-header");
    ASSERT_TRUE(produced.ok());
    sheet::Worksheet& settlement = produced.Sheet(kSettlementCalc);
    EXPECT_EQ(settlement.Value(82, 3), Text("H = 9.50m"));
    EXPECT_EQ(settlement.Value(82, 5), Text("重心位置 = -1.25m"));
    EXPECT_EQ(settlement.Value(67, 3), Text("H = 8.00m"));
    sheet::Worksheet& lateral = produced.Sheet(kLateralCalc);
    EXPECT_EQ(lateral.Value(82, 3), Text("載荷奥行 = 7.25m"));
    EXPECT_EQ(lateral.Value(83, 5), Text("重心位置 = 2.50m"));
    EXPECT_EQ(lateral.Value(67, 3), Text("載荷奥行 = 5.00m"));
}

// What a failed production leaves: the error and no file of its own.
std::string FailedProduction(const ReportRun& run, const std::filesystem::path& templatePath,
                             std::string_view folderName) {
    const auto folder = FreshFolder(folderName);
    std::string error;
    EXPECT_EQ(report::WriteResultWorkbook(run.project, run.results, run.context, templatePath,
                                          folder, kDay, &error),
              std::nullopt);
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << "left behind in " << folder;
    return error;
}

TEST(WriteResultWorkbook, AMissingTemplateIsNamed) {
    EXPECT_EQ(FailedProduction(OneBlockRun(), "/nonexistent/テンプレート.xltx", "no-template"),
              "計算結果ファイルを作成できませんでした: "
              "雛形ファイル「/nonexistent/テンプレート.xltx」が見つかりません");
}

TEST(WriteResultWorkbook, ASheetMissingFromTheTemplateIsNamed) {
    const auto folder = FreshFolder("template-without-summary");
    const auto broken = folder / "broken.xltx";
    auto book = sheet::OpenWorkbook(TemplatePath());
    book->DeleteSheet(kSettlementSummary);
    book->SaveAs(broken);
    EXPECT_EQ(FailedProduction(OneBlockRun(), broken, "missing-sheet"),
              "計算結果ファイルを作成できませんでした: ブック「" + broken.string() +
                  "」にシート「即時沈下量のまとめ」がありません");
}

TEST(WriteResultWorkbook, ALabelMissingFromTheTemplateIsNamed) {
    const auto broken =
        ChangedTemplate(FreshFolder("template-without-label"), "xl/drawings/drawing1.xml",
                        "name=\"LBL_TyakuA\"", "name=\"LBL_Other\"");
    EXPECT_EQ(FailedProduction(OneBlockRun(), broken, "missing-label"),
              "計算結果ファイルを作成できませんでした: "
              "シート「即時沈下量のまとめ」にラベル「LBL_TyakuA」がありません");
}

TEST(WriteResultWorkbook, MoreLoadBlocksThanTheSummaryHoldsAreRefused) {
    ReportRun run = FiveBlockRun();
    run.project.fillLoads->ResizeRows(6);
    run.results.settlementDetail.resize(6);
    run.results.lateralDetail.resize(6);
    const std::string error = FailedProduction(run, TemplatePath(), "six-blocks");
    EXPECT_NE(error.find("6"), std::string::npos) << error;
}

// Damage to the template's zip entries, made on a copy of the packed file:
// each entry's checksum sits in its local header (14 bytes in) and in the
// central directory (16 bytes in); the local header's name ends 30 bytes
// plus the name's and the extra field's lengths in, where the data begins.
class DamagedTemplate {
  public:
    explicit DamagedTemplate(std::string_view folderName)
        : folder_(FreshFolder(folderName)), bytes_(Contents(TemplatePath())) {}

    void WrongChecksum(const std::string& part) {
        for (std::size_t at :
             {Header("PK\x03\x04", 30, part) + 14, Header("PK\x01\x02", 46, part) + 16}) {
            bytes_[at] = static_cast<char>(bytes_[at] ^ 0x5a);
        }
    }
    void FlippedDataByte(const std::string& part) {
        const std::size_t header = Header("PK\x03\x04", 30, part);
        const std::size_t data = header + 30 + Number(header + 26) + Number(header + 28);
        const std::size_t size = Number(header + 18) + (Number(header + 20) << 16);
        bytes_[data + size / 2] = static_cast<char>(bytes_[data + size / 2] ^ 0x01);
    }
    std::filesystem::path Path() {
        const auto path = folder_ / "damaged.xltx";
        Touch(path, bytes_);
        return path;
    }

  private:
    // Where the header with that signature naming `part` (at `nameAt`) begins.
    std::size_t Header(const std::string& signature, std::size_t nameAt, const std::string& part) {
        for (std::size_t at = bytes_.find(signature); at != std::string::npos;
             at = bytes_.find(signature, at + 1)) {
            if (bytes_.compare(at + nameAt, part.size(), part) == 0) return at;
        }
        ADD_FAILURE() << "no entry " << part;
        return 0;
    }
    std::size_t Number(std::size_t at) const {
        return static_cast<unsigned char>(bytes_[at]) +
               (static_cast<std::size_t>(static_cast<unsigned char>(bytes_[at + 1])) << 8);
    }

    std::filesystem::path folder_;
    std::string bytes_;
};

// A damaged entry is read to its end and refused, naming the template, the
// part and what is wrong; before, it was copied into a result with a fresh
// checksum.
TEST(DamagedTemplate, AWrongChecksumIsRefusedNamingThePart) {
    DamagedTemplate damaged("damaged-checksum");
    damaged.WrongChecksum("xl/styles.xml");
    const auto path = damaged.Path();
    EXPECT_EQ(FailedProduction(OneBlockRun(), path, "damaged-checksum-out"),
              "計算結果ファイルを作成できませんでした: 「" + path.string() +
                  "」のパーツ「xl/styles.xml」を読み込めません: "
                  "内容がチェックサム（CRC）と一致しません。ファイルが壊れています");
}

TEST(DamagedTemplate, AFlippedByteInACompressedPartIsRefusedNamingThePart) {
    for (const std::string part : {"xl/styles.xml", "xl/worksheets/sheet3.xml"}) {
        DamagedTemplate damaged("damaged-data");
        damaged.FlippedDataByte(part);
        const auto path = damaged.Path();
        const std::string error = FailedProduction(OneBlockRun(), path, "damaged-data-out");
        const std::string lead = "計算結果ファイルを作成できませんでした: 「" + path.string() +
                                 "」のパーツ「" + part + "」を読み込めません: ";
        EXPECT_TRUE(error ==
                        lead + "内容がチェックサム（CRC）と一致しません。ファイルが壊れています" ||
                    error == lead + "圧縮されたデータが壊れています")
            << error;
    }
}

// The template: the calculation sheet names the model sheet's
// relationship, so deleting the model took the calculation's cells away.
TEST(DamagedTemplate, TwoSheetsOnOnePartAreRefused) {
    const auto folder = FreshFolder("shared-sheet-part");
    const auto path = ChangedTemplate(folder, "xl/workbook.xml", "sheetId=\"2\" r:id=\"rId2\"",
                                      "sheetId=\"2\" r:id=\"rId1\"");
    EXPECT_EQ(FailedProduction(OneBlockRun(), path, "shared-sheet-part-out"),
              "計算結果ファイルを作成できませんでした: 「" + path.string() +
                  "」を読み込めません: シート「即時沈下量の計算雛形」とシート「即時沈下量の計算」"
                  "が同じパーツ「xl/worksheets/sheet1.xml」を使っています");
}

TEST(DamagedTemplate, ADuplicatedRelationshipIdIsRefusedNamingThePart) {
    const auto folder = FreshFolder("duplicated-id");
    const auto path =
        ChangedTemplate(folder, "xl/_rels/workbook.xml.rels", "Id=\"rId2\"", "Id=\"rId1\"");
    EXPECT_EQ(FailedProduction(OneBlockRun(), path, "duplicated-id-out"),
              "計算結果ファイルを作成できませんでした: 「" + path.string() +
                  "」を読み込めません: "
                  "パーツ「xl/_rels/workbook.xml.rels」の関係ID「rId1」が重複しています");
}

TEST(DamagedTemplate, ARelationshipToAMissingPartIsRefusedNamingThePart) {
    const auto folder = FreshFolder("missing-part");
    const auto path =
        ChangedTemplate(folder, "xl/_rels/workbook.xml.rels", "Target=\"worksheets/sheet5.xml\"",
                        "Target=\"worksheets/sheet99.xml\"");
    EXPECT_EQ(FailedProduction(OneBlockRun(), path, "missing-part-out"),
              "計算結果ファイルを作成できませんでした: 「" + path.string() +
                  "」を読み込めません: "
                  "関係「rId5」が指すパーツ「xl/worksheets/sheet99.xml」がありません");
}

}  // namespace
}  // namespace nubera::report
