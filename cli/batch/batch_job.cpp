#include "cli/batch/batch_job.h"

#include <exception>

#include "cli/project_calculation.h"
#include "cli/results_json.h"
#include "engine/point_totals.h"
#include "report/result_workbook.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

std::optional<LargestResult> Largest(const ProjectData& project, const CalcResults& results,
                                     const std::vector<PointDetail>& loads,
                                     const PointDetail& surcharge) {
    const auto largest = LargestTotal(PointTotals(project, loads, surcharge));
    if (!largest) return std::nullopt;
    return LargestResult{largest->point, largest->value,
                         results.pointOffsets.at(0)[largest->point]};
}

void Summarise(const ComputedProject& computed, const CalcOptions& options,
               ProjectOutcome& outcome) {
    const ProjectData& project = computed.project;
    const CalcResults& results = computed.results;
    outcome.equivalentModulus = results.equivalentModulus;
    outcome.alsoLateral = project.alsoLateral;
    outcome.settlement =
        Largest(project, results, results.settlementDetail, results.surchargeSettlementDetail);
    if (project.alsoLateral) {
        outcome.lateral =
            Largest(project, results, results.lateralDetail, results.surchargeLateralDetail);
    }
    if (options.json) {
        outcome.json = {{"project", Utf8FromPath(outcome.project)}};
        outcome.json.update(
            ResultsJson({project, results, computed.placement, outcome.workbook, std::nullopt}));
    }
}

void Run(const PlannedProject& planned, const CalcOptions& options,
         const report::ResultTemplate* source, ProjectOutcome& outcome,
         std::optional<PendingFile>& unnamed) {
    const std::optional<ComputedProject> computed =
        ComputeProject(planned.project, options.placement, &outcome.refusal);
    if (!computed) return;
    if (source) {
        std::optional<PendingFile> file = report::WriteUnnamedResultWorkbook(
            computed->project, computed->results, RunContext(planned.project, computed->placement),
            *source, FolderOf(planned.workbook), &outcome.refusal);
        if (!file) return;
        unnamed.emplace(std::move(*file));
        outcome.workbook = planned.workbook;
    }
    Summarise(*computed, options, outcome);
}

}  // namespace

ProjectOutcome RunBatchJob(const PlannedProject& planned, const CalcOptions& options,
                           const report::ResultTemplate* source,
                           std::optional<PendingFile>& unnamed) {
    ProjectOutcome outcome;
    outcome.project = planned.project;
    outcome.refusal = planned.refusal;
    if (!outcome.Succeeded()) return outcome;
    try {
        Run(planned, options, source, outcome, unnamed);
    } catch (const std::exception& failure) {  // a fault of the program itself
        outcome.refusal = std::string("内部エラーのため中止しました: ") + failure.what();
        unnamed.reset();
    }
    return outcome;
}

void NameBatchWorkbook(const PlannedProject& planned, const CalcOptions& options,
                       PendingFile& unnamed, ProjectOutcome& outcome) {
    std::string refusal;
    if (report::NameResultWorkbook(
            unnamed, planned.workbook,
            options.replace ? report::ExistingResult::Replace : report::ExistingResult::Refuse,
            &refusal)) {
        return;
    }
    outcome = ProjectOutcome{};
    outcome.project = planned.project;
    outcome.refusal = refusal;
}

}  // namespace nubera::cli
