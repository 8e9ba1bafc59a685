#include "cli/batch/batch_command.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <set>

#include "cli/batch/batch_job.h"
#include "cli/batch/batch_summary.h"
#include "cli/batch/batch_tally.h"
#include "cli/batch/csv_target.h"
#include "cli/batch/parallel_runs.h"
#include "cli/batch/progress_display.h"
#include "cli/pdf_export.h"
#include "cli/results_json.h"
#include "files/atomic_file.h"
#include "files/folder_sync.h"
#include "files/pending_file.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

constexpr std::chrono::milliseconds kProgressInterval{250};
// Projects done and not yet reported at most: each may hold an open file
// while the calling thread syncs and names those before it.
constexpr std::size_t kWaitingAtMost = 32;

void PrintSummary(const ProjectOutcome& outcome, const CalcOptions& options, std::ostream& out) {
    out << (options.json ? SummaryJsonLine(outcome) : SummaryLine(outcome)) << '\n';
}

// What killed runs left in the folders the workbooks go to, removed once for
// all of them.
void RemoveAbandonedFiles(const BatchPlan& plan) {
    std::set<std::filesystem::path> folders;
    for (std::size_t i = 0; i < plan.Size(); ++i) {
        const PlannedProject project = plan.At(i);
        if (!project.workbook.empty()) folders.insert(FolderOf(project.workbook));
    }
    for (const std::filesystem::path& folder : folders) PendingFile::RemoveAbandoned(folder);
}

// One project between its job and its report.
struct ProjectInFlight {
    PlannedProject planned;
    ProjectOutcome outcome;
    std::optional<PendingFile> unnamed;
};

// Every project computed on the worker threads and handed to `report` on
// this one, in order; the outcome is dropped once reported. Each workbook
// is synced and named here before its report, while the workers fill the
// next ones: waiting for the disk overlaps their work, and one wait covers
// the workbooks written meanwhile.
void RunJobs(const BatchPlan& plan, const CalcOptions& options,
             const report::ResultTemplate* source, ProgressDisplay& progress,
             const std::function<void(ProjectOutcome&)>& report) {
    // Job i starts only once project i - kWaitingAtMost is reported, so this
    // many places, taken in turn, hold every project between the two.
    std::vector<ProjectInFlight> inFlight(std::min(plan.Size(), kWaitingAtMost));
    const auto place = [&](std::size_t i) -> ProjectInFlight& {
        return inFlight[i % inFlight.size()];
    };
    RunInParallel(
        plan.Size(), options.jobs,
        [&](std::size_t i) {
            ProjectInFlight& project = place(i);
            project.planned = plan.At(i);
            project.outcome = RunBatchJob(project.planned, options, source, project.unnamed);
        },
        [&](std::size_t i) {
            ProjectInFlight& project = place(i);
            if (project.unnamed) {
                NameBatchWorkbook(project.planned, options, *project.unnamed, project.outcome);
                project.unnamed.reset();
            }
            report(project.outcome);
            project.planned = PlannedProject{};
            project.outcome = ProjectOutcome{};
        },
        [&](std::size_t done) { progress.Show(done); }, kProgressInterval, kWaitingAtMost);
    progress.Clear();
}

// A project reported before the PDFs are written: its outcome, with the
// JSON object held as its text, a fraction of the tree's size, until the
// PDF's fields join it.
struct AwaitingPdf {
    ProjectOutcome outcome;
    std::string json;
};

AwaitingPdf Awaiting(ProjectOutcome& reported, const CalcOptions& options) {
    const nlohmann::ordered_json json = std::move(reported.json);
    reported.json = nlohmann::ordered_json();
    return {reported, options.json && reported.Succeeded() ? JsonLine(json) : std::string()};
}

// The printed pages of every workbook written, with one run of the helper.
void WritePdfs(const CalcOptions& options, std::vector<AwaitingPdf>& awaiting) {
    std::vector<PdfRequest> requests;
    std::vector<ProjectOutcome*> asking;
    for (AwaitingPdf& project : awaiting) {
        ProjectOutcome& outcome = project.outcome;
        if (!outcome.Succeeded() || !outcome.workbook) continue;
        requests.push_back({*outcome.workbook, outcome.alsoLateral});
        asking.push_back(&outcome);
    }
    if (requests.empty()) return;
    const std::vector<PdfOutcome> written = WriteResultPdfs(
        options.pdfTool, requests, options.replace ? ExistingFile::Replace : ExistingFile::Refuse);
    for (std::size_t i = 0; i < asking.size(); ++i) {
        asking[i]->pdf = written[i].pdf;
        asking[i]->pdfFailure = written[i].error;
    }
}

// The JSON object of a project with its PDF's fields.
void AddPdfFields(const AwaitingPdf& project, ProjectOutcome& outcome) {
    outcome.json = nlohmann::ordered_json::parse(project.json);
    if (outcome.pdf) outcome.json["pdf"] = Utf8FromPath(*outcome.pdf);
    if (!outcome.pdfFailure.empty()) outcome.json["pdfError"] = outcome.pdfFailure;
}

// The CSV summary in one step, replacing a file of that name only when told
// to.
bool WriteCsv(const CalcOptions& options, const std::string& csv, std::ostream& err) {
    const std::filesystem::path& path = *options.csv;
    std::string reason;
    if (WriteFileAtomically(path, csv, &reason,
                            options.replace ? ExistingFile::Replace : ExistingFile::Refuse)) {
        return true;
    }
    err << "「" << Utf8FromPath(path) << "」を保存できません: " << reason << '\n';
    return false;
}

// Every name given during the batch made durable, one sync per folder: each
// file's bytes were synced before it got its name (so a name never holds a
// partial file), and this makes the names themselves survive a power cut.
bool SyncOutputFolders(std::set<std::filesystem::path> folders, const CalcOptions& options,
                       std::ostream& err) {
    if (options.csv) folders.insert(FolderOf(*options.csv));
    bool synced = true;
    for (const std::filesystem::path& folder : folders) {
        std::string reason;
        if (!SyncFolder(folder, &reason)) {
            err << "フォルダ「" << Utf8FromPath(folder)
                << "」をディスクに書き込めません: " << reason << '\n';
            synced = false;
        }
    }
    return synced;
}

std::string GivenText(const std::vector<std::filesystem::path>& given) {
    std::string text;
    for (const std::filesystem::path& path : given) text += " " + Utf8FromPath(path);
    return text;
}

}  // namespace

int RunBatch(const CalcOptions& options, std::ostream& out, std::ostream& err, bool terminal) {
    std::vector<ListedProject> listed = ListProjects(options.projects, options.recursive);
    if (listed.empty()) {
        err << "プロジェクトファイル（*.nbr）が見つかりません:" << GivenText(options.projects)
            << '\n';
        return 1;
    }
    std::optional<report::ResultTemplate> source;
    if (options.writeWorkbook) {
        std::string error;
        source = report::ResultTemplate::Load(options.templatePath, &error);
        if (!source) {
            err << error << '\n';
            return 1;
        }
    }
    const BatchPlan plan(std::move(listed), options);
    if (options.csv) {
        if (const std::string refusal = CsvTargetRefusal(*options.csv, plan, options);
            !refusal.empty()) {
            err << refusal << '\n';
            return 1;
        }
    }
    RemoveAbandonedFiles(plan);
    ProgressDisplay progress(err, plan.Size(), terminal && plan.Size() > 1);
    BatchTally tally(options.writePdf, options.csv.has_value());
    // Unless PDFs follow, each summary line is printed as soon as it and
    // those before it are known.
    std::vector<AwaitingPdf> awaiting;
    RunJobs(plan, options, source ? &*source : nullptr, progress, [&](ProjectOutcome& outcome) {
        if (options.writePdf) {
            awaiting.push_back(Awaiting(outcome, options));
            return;
        }
        progress.Clear();
        PrintSummary(outcome, options, out);
        out.flush();
        tally.Add(outcome);
    });
    if (options.writePdf) {
        WritePdfs(options, awaiting);
        for (AwaitingPdf& project : awaiting) {
            ProjectOutcome& outcome = project.outcome;
            if (!project.json.empty()) AddPdfFields(project, outcome);
            PrintSummary(outcome, options, out);
            tally.Add(outcome);
            project = AwaitingPdf{};
        }
    }
    bool written = !tally.Csv() || WriteCsv(options, *tally.Csv(), err);
    written = SyncOutputFolders(tally.Folders(), options, err) && written;
    const OutcomeCounts& counts = tally.Counts();
    out << CountLine(counts, options.json) << '\n';
    return counts.refused == 0 && counts.pdfFailed == 0 && written ? 0 : 1;
}

}  // namespace nubera::cli
