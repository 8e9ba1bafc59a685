#include "cli/batch/batch_names.h"

#include <map>
#include <system_error>

#include "cli/pdf_export.h"
#include "cli/project_calculation.h"
#include "files/file_bytes.h"
#include "report/result_names.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

// The refusal of a project whose workbook would take the name `workbook` of
// the earlier project's.
std::string NameTakenText(const std::filesystem::path& project,
                          const std::filesystem::path& earlier,
                          const std::filesystem::path& workbook) {
    return "「" + Utf8FromPath(project) + "」の計算結果は「" + Utf8FromPath(earlier) +
           "」と同じ名前「" + Utf8FromPath(workbook) + "」になるため、計算しませんでした";
}

std::string NotRegularText(const std::filesystem::path& target) {
    return "「" + Utf8FromPath(target) + "」は通常のファイルではありません（置き換えません）";
}

// Why the workbook, or the PDF beside it, cannot be written, or nothing.
std::string TargetRefusal(const std::filesystem::path& workbook, const CalcOptions& options) {
    if (IsOtherThanRegularFile(workbook)) return NotRegularText(workbook);
    if (!options.writePdf) return {};
    const std::filesystem::path pdf = PdfPathOf(workbook);
    if (IsOtherThanRegularFile(pdf)) return NotRegularText(pdf);
    std::error_code unknown;  // a name that cannot be looked at is refused when written
    if (!options.replace && std::filesystem::exists(pdf, unknown)) {
        return "「" + Utf8FromPath(pdf) + "」は既にあります（上書きしません）";
    }
    return {};
}

}  // namespace

std::filesystem::path BatchWorkbookPath(const std::filesystem::path& project,
                                        const CalcOptions& options) {
    const std::filesystem::path folder =
        options.besideProject ? project.parent_path() : options.outputFolder;
    return report::ProjectResultFileName(folder, project.stem(), 0).lexically_normal();
}

BatchPlan::BatchPlan(std::vector<ListedProject> listed, const CalcOptions& options)
    : options_(options) {
    projects_.reserve(listed.size());
    std::map<std::string, std::size_t> taken;  // a workbook's path text: its project's place
    for (ListedProject& item : listed) {
        Project project{std::move(item), false};
        const std::filesystem::path path = project.listed.path;
        std::string& refusal = project.listed.refusal;
        // A path that names no readable file (or a named pipe, which would
        // never end) is refused here and takes no workbook name from a
        // project that can be read.
        if (refusal.empty() && !CanReadRegularFile(path)) refusal = UnreadableProjectText(path);
        if (options.writeWorkbook && refusal.empty()) {
            project.writesWorkbook = true;
            const std::filesystem::path workbook = BatchWorkbookPath(path, options);
            const auto [earlier, first] = taken.emplace(workbook.native(), projects_.size());
            refusal = first ? TargetRefusal(workbook, options)
                            : NameTakenText(path, projects_[earlier->second].listed.path, workbook);
        }
        projects_.push_back(std::move(project));
    }
}

PlannedProject BatchPlan::At(std::size_t i) const {
    const Project& project = projects_[i];
    PlannedProject planned{project.listed.path, {}, project.listed.refusal};
    if (project.writesWorkbook) planned.workbook = BatchWorkbookPath(planned.project, options_);
    return planned;
}

}  // namespace nubera::cli
