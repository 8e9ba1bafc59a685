#include "report/workbook_filling.h"

#include <memory>
#include <vector>

#include "engine/point_totals.h"
#include "report/block_plan.h"
#include "report/figures/result_plot.h"
#include "report/figures/section_diagram.h"
#include "report/sheets/cover_sheet.h"
#include "report/sheets/displacement_sheet.h"
#include "report/sheets/input_sheet.h"
#include "report/sheets/method_sheet.h"
#include "report/sheets/result_sheet.h"
#include "report/sheets/settlement_sheet.h"
#include "report/sheets/summary_extremes.h"
#include "report/sheets/title_block.h"
#include "spreadsheet/workbook.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera::report {
namespace {

using sheet::Workbook;
using sheet::Worksheet;

constexpr int kMaxLoadBlocks = 5;  // the summary has five load columns

std::string Fixed2Text(double value) {
    return FormatFixed2(RoundHalf(value));
}

// Right of the Em text on the settlement summary: the depth of the ground.
std::string GroundDepthText(const ProjectData&, const CalcResults& results) {
    const Cell depth = LoadItem(results.settlementDetail.at(0), settlement_item::kDepth);
    return "H(深度) = " + (depth.IsMissing() ? std::string() : Fixed2Text(depth.AsNumber())) + " m";
}

// Right of the Em text on the displacement summary: half the excavation width.
std::string LoadingDepthText(const ProjectData& project, const CalcResults&) {
    return "載荷奥行 = " + Fixed2Text(project.excavationWidth / 2) + " m";
}

// The three sheets of one kind of result, how the run fills them, and what
// the summary's plot shows of it.
struct ResultPass {
    ResultSheetNames sheets;
    void (*fill)(Worksheet&, const ProjectData&, const CalcResults&, ResultBlockKind, int, int);
    std::string (*summaryDepthText)(const ProjectData&, const CalcResults&);
    std::vector<PointDetail> CalcResults::*loadDetail;
    PointDetail CalcResults::*surchargeDetail;
    const char* plotTitle;
    const char* plotAxisTitle;
    SummaryExtremes extremes;
};

constexpr ResultPass kSettlementPass{kSettlementSheets,
                                     WriteSettlementSheet,
                                     GroundDepthText,
                                     &CalcResults::settlementDetail,
                                     &CalcResults::surchargeSettlementDetail,
                                     "各着目点の即時沈下量 S（全荷重の合計、沈下を上向きに描く）",
                                     "S (cm)",
                                     SummaryExtremes::Largest};
constexpr ResultPass kDisplacementPass{
    kDisplacementSheets,
    WriteDisplacementSheet,
    LoadingDepthText,
    &CalcResults::lateralDetail,
    &CalcResults::surchargeLateralDetail,
    "各着目点の側方変位量 δ（全荷重の合計、右向きの変位を上向きに描く）",
    "δ (cm)",
    SummaryExtremes::EachSign};

// The passes a run makes: the displacement only when it was computed.
std::vector<const ResultPass*> UsedPasses(bool alsoLateral) {
    if (alsoLateral) {
        return {&kSettlementPass, &kDisplacementPass};
    }
    return {&kSettlementPass};
}

std::string EmText(const CalcResults& results) {
    return "Em(換算変形係数) = " + FormatNumber(results.equivalentModulus) + " kN/㎡";
}

void WriteCalculationSheet(Workbook& book, const ResultPass& pass, const ProjectData& project,
                           const CalcResults& results) {
    const Worksheet& model = book.Sheet(pass.sheets.model);
    Worksheet& calc = book.Sheet(pass.sheets.calc);
    const int blocks = static_cast<int>(project.fillLoads->RowCount());
    for (const PlannedBlock& block : PlanBlocks(blocks, project.surcharge.has_value())) {
        calc.PasteRows(model, kModelFirstRow, kModelLastRow, block.firstRow);
        pass.fill(calc, project, results, block.mode, block.index, block.shift);
        if (block.pageBreakBefore) {
            calc.AddPageBreakBefore(*block.pageBreakBefore);
        }
    }
}

PlotSubject PlotOf(const ResultPass& pass, const ProjectData& project, const CalcResults& results) {
    return {pass.plotTitle, pass.plotAxisTitle,
            PointTotals(project, results.*pass.loadDetail, results.*pass.surchargeDetail)};
}

void WriteSummarySheet(Workbook& book, const ResultPass& pass, const ProjectData& project,
                       const CalcResults& results) {
    Worksheet& summary = book.Sheet(pass.sheets.summary);
    pass.fill(summary, project, results, ResultBlockKind::Summary, 0, 0);
    if (const auto surplus = SurplusLoadColumns(static_cast<int>(project.fillLoads->RowCount()))) {
        summary.DeleteColumns(surplus->first, surplus->last);
    }
    summary.SetText(2, 2, EmText(results));
    summary.SetText(2, 6, pass.summaryDepthText(project, results));
    DrawSectionDiagram(summary, project, results);
    const PlotSubject plot = PlotOf(pass, project, results);
    DrawResultPlot(summary, LayOutResultPlot(LayOutSectionDiagram(project, results), plot));
    WriteSummaryExtremes(summary, book.Sheet(kSummaryModelSheet), pass.extremes, plot.totals,
                         results);
}

void DeleteUnusedSheets(Workbook& book, bool alsoLateral) {
    book.DeleteSheetAt(0);  // the settlement model, first in every template
    book.DeleteSheet(kDisplacementSheets.model);
    book.DeleteSheet(kInputModelSheet);
    book.DeleteSheet(kMethodModelSheet);
    book.DeleteSheet(kSummaryModelSheet);
    if (!alsoLateral) {
        book.DeleteSheet(kDisplacementSheets.calc);
        book.DeleteSheet(kDisplacementSheets.summary);
    }
}

void BuildWorkbook(Workbook& book, const ProjectData& project, const CalcResults& results,
                   const ReportContext& context) {
    WriteCoverSheet(book, project, context);
    WriteInputSheet(book, project, results, context);
    WriteMethodSheet(book, project.alsoLateral);
    for (const ResultPass* pass : UsedPasses(project.alsoLateral)) {
        WriteCalculationSheet(book, *pass, project, results);
        WriteSummarySheet(book, *pass, project, results);
    }
    DeleteUnusedSheets(book, project.alsoLateral);
    WriteTitleBlocks(book, project.description, context);
}

}  // namespace

std::string CheckRun(const ProjectData& project, const CalcResults& results) {
    const std::size_t blocks = project.fillLoads ? project.fillLoads->RowCount() : 0;
    if (blocks < 1 || blocks > kMaxLoadBlocks) {
        return "盛土荷重は1〜" + std::to_string(kMaxLoadBlocks) + "段で指定してください（" +
               std::to_string(blocks) + "段）。";
    }
    const bool complete = results.settlementDetail.size() >= blocks &&
                          !results.pointOffsets.empty() &&
                          (!project.alsoLateral || results.lateralDetail.size() >= blocks);
    return complete ? std::string() : "計算結果がありません。計算をやり直してください。";
}

std::string FilledTemplate(const ProjectData& project, const CalcResults& results,
                           const ReportContext& context, const ResultTemplate& source,
                           std::string& bytes) {
    if (std::string missing = source.Missing(project.alsoLateral); !missing.empty()) {
        return missing;
    }
    try {
        const std::unique_ptr<Workbook> book = source.NewWorkbook();
        BuildWorkbook(*book, project, results, context);
        bytes = book->SavedBytes();
    } catch (const std::exception& failure) {  // the model's SpreadsheetError above all
        return failure.what();
    }
    return {};
}

}  // namespace nubera::report
