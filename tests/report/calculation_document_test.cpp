// What makes the workbook a document a checker can sign: the cover with the
// project's description, file digest and sign-off boxes, the method sheet,
// and the extremes on the summaries.

#include <gtest/gtest.h>

#include "engine/point_totals.h"
#include "model/point_name.h"
#include "report/sheets/cover_sheet.h"
#include "report/sheets/input_sheet.h"
#include "report/sheets/method_sheet.h"
#include "tests/report/produced_workbook.h"
#include "tests/report/report_run.h"

namespace nubera::test {
namespace {

using sheet::CellValue;

CellValue Text(std::string text) {
    return text;
}

const std::string kDigest(64, 'a');

ProjectDescription SignedDescription() {
    return {.title = "○○川堤防開削部 仮設検討",
            .section = "No.12+5.0",
            .designer = "設計 一郎",
            .checker = "照査 二郎",
            .approver = "承認 三郎",
            .revision = "第2版",
            .notes = "一行目\n二行目"};
}

// Every text of column B of a sheet, top to bottom.
std::vector<std::string> ColumnBTexts(const sheet::Worksheet& sheet) {
    std::vector<std::string> texts;
    for (int row = 1; row <= 200; ++row) {
        const CellValue value = sheet.Value(row, 2);
        if (const auto* text = std::get_if<std::string>(&value)) texts.push_back(*text);
    }
    return texts;
}

bool AnyStartsWith(const std::vector<std::string>& texts, std::string_view start) {
    return std::ranges::any_of(texts,
                               [start](const std::string& t) { return t.starts_with(start); });
}

TEST(CalculationDocument, TheCoverCarriesTheDescriptionTheFileAndItsDigest) {
    ReportRun run = FiveBlockRun();
    run.project.description = SignedDescription();
    run.context.projectDigest = kDigest;
    ProducedWorkbook produced(run, "cover-signed");
    ASSERT_TRUE(produced.ok());
    EXPECT_EQ(
        produced.book().SheetNames(),
        (std::vector<std::string>{report::kCoverSheet, report::kInputSheet, report::kMethodSheet,
                                  "即時沈下量の計算", "即時沈下量のまとめ", "側方変位量の計算",
                                  "側方変位量のまとめ"}));
    const sheet::Worksheet& cover = produced.Sheet(report::kCoverSheet);
    EXPECT_EQ(cover.Value(1, 1), Text("即時沈下量・側方変位量 計算書"));
    EXPECT_EQ(cover.Value(3, 3), Text("○○川堤防開削部 仮設検討"));
    EXPECT_EQ(cover.Value(4, 3), Text("No.12+5.0"));
    EXPECT_EQ(cover.Value(5, 3), Text("第2版"));
    EXPECT_EQ(cover.Value(6, 3), Text("一行目\n二行目"));
    EXPECT_EQ(cover.Value(9, 3), Text(run.context.projectName));
    EXPECT_EQ(cover.Value(10, 3), Text(kDigest));
    EXPECT_EQ(cover.Value(14, 3), Text("設計 一郎"));
    EXPECT_EQ(cover.Value(14, 5), Text("照査 二郎"));
    EXPECT_EQ(cover.Value(14, 7), Text("承認 三郎"));
    for (const char* box : {"設計", "照査", "承認"}) {
        EXPECT_TRUE(AnyStartsWith(
            {std::get<std::string>(cover.Value(13, 3)), std::get<std::string>(cover.Value(13, 5)),
             std::get<std::string>(cover.Value(13, 7))},
            box));
    }
}

TEST(CalculationDocument, AnUnsavedProjectWithoutDescriptionSaysSo) {
    ReportRun run = OneBlockRun();
    run.context.projectDigest.clear();
    ProducedWorkbook produced(run, "cover-unsaved");
    ASSERT_TRUE(produced.ok());
    const sheet::Worksheet& cover = produced.Sheet(report::kCoverSheet);
    EXPECT_EQ(cover.Value(1, 1), Text("即時沈下量 計算書"));
    EXPECT_EQ(cover.Value(3, 3), CellValue{});
    EXPECT_EQ(cover.Value(10, 3), Text("未保存"));
}

TEST(CalculationDocument, TheHeaderNamesTheTitleElseTheFile) {
    report::ReportContext context;
    context.projectName = "a&b.nbr";
    EXPECT_EQ(report::ReportHeaderText(context, {}), "a&b.nbr");
    EXPECT_EQ(report::ReportHeaderText(context, SignedDescription()), "○○川堤防開削部 仮設検討");
    context.projectName.clear();
    EXPECT_EQ(report::ReportHeaderText(context, {}), "未保存");
}

TEST(CalculationDocument, TheMethodStatesTheLateralFormulaOnlyWhenItWasComputed) {
    for (const bool lateral : {false, true}) {
        SCOPED_TRACE(lateral);
        ProducedWorkbook produced(lateral ? FiveBlockRun() : OneBlockRun(),
                                  lateral ? "method-lateral" : "method-settlement");
        ASSERT_TRUE(produced.ok());
        const auto texts = ColumnBTexts(produced.Sheet(report::kMethodSheet));
        for (const char* start : {"θ：荷重分散角＝30°", "Em = ln[", "S = 100 × C × G",
                                  "C = −3·a·q / (π·Em)", "各荷重の S と δ は 0.01 cm",
                                  "地盤は線形弾性体", "x：q1（最上段の盛土）の中心を 0"}) {
            EXPECT_TRUE(AnyStartsWith(texts, start)) << start;
        }
        EXPECT_EQ(AnyStartsWith(texts, "δ = 100 × K × ( T1 + T2 − T3 )"), lateral);
        EXPECT_EQ(AnyStartsWith(texts, "T1 = (c / 2a)"), lateral);
    }
}

// The extremes' rows under a summary's plot: caption, value, point, x.
struct ExtremeRow {
    CellValue caption, value, point, x;
};

ExtremeRow ReadExtreme(const sheet::Worksheet& summary, int row) {
    return {summary.Value(row, 2), summary.Value(row, 5), summary.Value(row, 6),
            summary.Value(row, 7)};
}

void ExpectExtreme(const ExtremeRow& row, const std::string& caption,
                   const std::optional<PointTotal>& extreme, const CalcResults& results) {
    EXPECT_EQ(row.caption, Text(caption));
    ASSERT_TRUE(extreme) << caption;
    ASSERT_TRUE(std::holds_alternative<double>(row.value)) << caption;
    EXPECT_NEAR(std::get<double>(row.value), extreme->value, 1e-9);
    EXPECT_EQ(row.point, Text(CircledNumber(extreme->point + 1)));
    EXPECT_EQ(row.x, CellValue{results.pointOffsets[0][extreme->point].AsNumber()});
}

TEST(CalculationDocument, SummariesListTheExtremesAsNumbersWithPointAndX) {
    const ReportRun run = FiveBlockRun();
    ProducedWorkbook produced(run, "extremes");
    ASSERT_TRUE(produced.ok());
    const CalcResults& r = run.results;
    const auto settlement =
        PointTotals(run.project, r.settlementDetail, r.surchargeSettlementDetail);
    const sheet::Worksheet& settlementSummary = produced.Sheet("即時沈下量のまとめ");
    ExpectExtreme(ReadExtreme(settlementSummary, 48), "最大沈下量", LargestTotal(settlement), r);
    EXPECT_TRUE(AnyStartsWith(ColumnBTexts(settlementSummary), "S：下向き（沈下）を正"));

    const auto lateral =
        LargestTotalsBySign(PointTotals(run.project, r.lateralDetail, r.surchargeLateralDetail));
    const sheet::Worksheet& lateralSummary = produced.Sheet("側方変位量のまとめ");
    ExpectExtreme(ReadExtreme(lateralSummary, 48), "最大側方変位量（＋）", lateral.positive, r);
    ExpectExtreme(ReadExtreme(lateralSummary, 49), "最大側方変位量（－）", lateral.negative, r);
    EXPECT_TRUE(AnyStartsWith(ColumnBTexts(lateralSummary), "δ：右向き"));
}

// One block: the summary lost four load columns before the extremes went in.
TEST(CalculationDocument, TheExtremesKeepTheirColumnsWhenLoadColumnsGo) {
    const ReportRun run = OneBlockRun();
    ProducedWorkbook produced(run, "extremes-one-block");
    ASSERT_TRUE(produced.ok());
    const CalcResults& r = run.results;
    ExpectExtreme(
        ReadExtreme(produced.Sheet("即時沈下量のまとめ"), 48), "最大沈下量",
        LargestTotal(PointTotals(run.project, r.settlementDetail, r.surchargeSettlementDetail)), r);
}

}  // namespace
}  // namespace nubera::test
