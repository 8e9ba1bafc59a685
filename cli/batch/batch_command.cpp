#include "cli/batch/batch_command.h"

#include <algorithm>
#include <ostream>
#include <set>

#include "cli/batch/batch_job.h"
#include "cli/batch/batch_summary.h"
#include "cli/batch/csv_target.h"
#include "cli/batch/parallel_runs.h"
#include "cli/batch/progress_display.h"
#include "cli/batch/summary_csv.h"
#include "cli/pdf_export.h"
#include "files/atomic_file.h"
#include "files/folder_sync.h"
#include "files/pending_file.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

constexpr std::chrono::milliseconds kProgressInterval{250};
// Workbooks written and waiting for their names at most: each holds an open
// file while the calling thread syncs and names those before it.
constexpr std::size_t kUnnamedAtMost = 32;

void PrintSummary(const ProjectOutcome& outcome, const CalcOptions& options, std::ostream& out) {
    out << (options.json ? SummaryJsonLine(outcome) : SummaryLine(outcome)) << '\n';
}

// What killed runs left in the folders the workbooks go to, removed once for
// all of them.
void RemoveAbandonedFiles(const std::vector<PlannedProject>& planned) {
    std::set<std::filesystem::path> folders;
    for (const PlannedProject& project : planned) {
        if (!project.workbook.empty()) folders.insert(FolderOf(project.workbook));
    }
    for (const std::filesystem::path& folder : folders) PendingFile::RemoveAbandoned(folder);
}

// Every project computed on the worker threads. Each workbook is synced and
// named on this thread, in order, while the workers fill the next ones:
// waiting for the disk overlaps their work, and one wait covers the
// workbooks written meanwhile. Unless PDFs follow, each summary line is
// printed as soon as it and those before it are known.
std::vector<ProjectOutcome> RunJobs(const std::vector<PlannedProject>& planned,
                                    const CalcOptions& options,
                                    const report::ResultTemplate* source, std::ostream& out,
                                    ProgressDisplay& progress) {
    std::vector<ProjectOutcome> outcomes(planned.size());
    std::vector<std::optional<PendingFile>> unnamed(planned.size());
    RunInParallel(
        planned.size(), options.jobs,
        [&](std::size_t i) { outcomes[i] = RunBatchJob(planned[i], options, source, unnamed[i]); },
        [&](std::size_t i) {
            if (unnamed[i]) {
                NameBatchWorkbook(planned[i], options, *unnamed[i], outcomes[i]);
                unnamed[i].reset();
            }
            if (options.writePdf) return;
            progress.Clear();
            PrintSummary(outcomes[i], options, out);
            out.flush();
            // Printed: the rest of the batch needs only the summary, so that
            // memory does not grow with the project's full results.
            outcomes[i].json = nlohmann::ordered_json();
        },
        [&](std::size_t done) { progress.Show(done); }, kProgressInterval, kUnnamedAtMost);
    progress.Clear();
    return outcomes;
}

// The printed pages of every workbook written, with one run of the helper.
void WritePdfs(const CalcOptions& options, std::vector<ProjectOutcome>& outcomes) {
    std::vector<PdfRequest> requests;
    std::vector<ProjectOutcome*> asking;
    for (ProjectOutcome& outcome : outcomes) {
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
        if (!options.json) continue;
        if (written[i].pdf) asking[i]->json["pdf"] = Utf8FromPath(*written[i].pdf);
        if (!written[i].error.empty()) asking[i]->json["pdfError"] = written[i].error;
    }
}

// The CSV summary in one step, replacing a file of that name only when told
// to.
bool WriteCsv(const CalcOptions& options, const std::vector<ProjectOutcome>& outcomes,
              std::ostream& err) {
    const std::filesystem::path& path = *options.csv;
    std::string reason;
    if (WriteFileAtomically(path, SummaryCsv(outcomes), &reason,
                            options.replace ? ExistingFile::Replace : ExistingFile::Refuse)) {
        return true;
    }
    err << "「" << Utf8FromPath(path) << "」を保存できません: " << reason << '\n';
    return false;
}

// Every name given during the batch made durable, one sync per folder: each
// file's bytes were synced before it got its name (so a name never holds a
// partial file), and this makes the names themselves survive a power cut.
bool SyncOutputFolders(const std::vector<ProjectOutcome>& outcomes, const CalcOptions& options,
                       std::ostream& err) {
    std::set<std::filesystem::path> folders;
    for (const ProjectOutcome& outcome : outcomes) {
        if (outcome.workbook) folders.insert(FolderOf(*outcome.workbook));
    }
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
    const std::vector<ListedProject> listed = ListProjects(options.projects, options.recursive);
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
    const std::vector<PlannedProject> planned = PlanWorkbooks(listed, options);
    if (options.csv) {
        if (const std::string refusal = CsvTargetRefusal(*options.csv, planned, options);
            !refusal.empty()) {
            err << refusal << '\n';
            return 1;
        }
    }
    RemoveAbandonedFiles(planned);
    ProgressDisplay progress(err, listed.size(), terminal && listed.size() > 1);
    std::vector<ProjectOutcome> outcomes =
        RunJobs(planned, options, source ? &*source : nullptr, out, progress);
    if (options.writePdf) {
        WritePdfs(options, outcomes);
        for (const ProjectOutcome& outcome : outcomes) PrintSummary(outcome, options, out);
    }
    bool written = !options.csv || WriteCsv(options, outcomes, err);
    written = SyncOutputFolders(outcomes, options, err) && written;
    const OutcomeCounts counts = CountOutcomes(outcomes, options.writePdf);
    out << CountLine(counts, options.json) << '\n';
    return counts.refused == 0 && counts.pdfFailed == 0 && written ? 0 : 1;
}

}  // namespace nubera::cli
