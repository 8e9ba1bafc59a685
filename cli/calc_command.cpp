#include "cli/calc_command.h"

#include <ostream>
#include <string>

#include "cli/pdf_export.h"
#include "cli/project_calculation.h"
#include "cli/results_json.h"
#include "cli/results_table.h"
#include "files/folder_sync.h"
#include "report/result_workbook.h"
#include "screenrules/run_warnings.h"
#include "text/local_date.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

// The printed pages beside the workbook just written, never over a file of
// their name, with their name synced as the workbook's was. Returns nothing
// with *error saying what failed.
std::optional<std::filesystem::path> WritePdf(const CalcOptions& options,
                                              const std::filesystem::path& workbook,
                                              bool alsoLateral, std::string* error) {
    auto pdf = WriteResultPdf(options.pdfTool, workbook, alsoLateral, ExistingFile::Refuse, error);
    std::string reason;
    if (pdf && !SyncFolder(FolderOf(*pdf), &reason)) {
        *error =
            "フォルダ「" + Utf8FromPath(FolderOf(*pdf)) + "」をディスクに書き込めません: " + reason;
        return std::nullopt;
    }
    return pdf;
}

}  // namespace

int RunCalc(const CalcOptions& options, std::ostream& out, std::ostream& err) {
    const std::filesystem::path& path = options.projects.front();
    std::string error;
    const std::optional<ComputedProject> computed = ComputeProject(path, options.placement, &error);
    if (!computed) {
        err << error << '\n';
        return 1;
    }
    const ProjectData& project = computed->project;
    for (const std::string& warning : RunWarnings(project)) err << "警告: " << warning << '\n';
    std::optional<std::filesystem::path> workbook;
    std::optional<std::filesystem::path> pdf;
    if (options.writeWorkbook) {
        // With a PDF, a day's name is free only when its PDF's is too.
        workbook = report::WriteResultWorkbook(
            project, computed->results, RunContext(path, computed->placement), options.templatePath,
            options.outputFolder, LocalToday(), &error,
            options.writePdf ? std::string_view(kPdfExtension) : std::string_view());
        if (!workbook) {
            err << error << '\n';
            return 1;
        }
        if (options.writePdf) {
            pdf = WritePdf(options, *workbook, project.alsoLateral, &error);
            if (!pdf) {
                err << error << "\n計算結果ファイル「" << Utf8FromPath(*workbook)
                    << "」は保存しました（PDFはありません）\n";
                return 1;
            }
        }
    }
    const RunSummary summary{project, computed->results, computed->placement, workbook, pdf};
    if (options.json) {
        out << JsonLine(ResultsJson(summary)) << '\n';
    } else {
        PrintResultsTable(summary, out);
    }
    return 0;
}

}  // namespace nubera::cli
