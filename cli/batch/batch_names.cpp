#include "cli/batch/batch_names.h"

#include <map>
#include <system_error>

#include "cli/pdf_export.h"
#include "cli/project_calculation.h"
#include "files/file_bytes.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

// Why the workbook `target` cannot be written, or nothing.
std::string NameRefusal(const std::filesystem::path& project, const std::filesystem::path& target,
                        const std::map<std::filesystem::path, std::size_t>& taken,
                        const std::vector<PlannedProject>& planned, const CalcOptions& options) {
    if (const auto earlier = taken.find(target); earlier != taken.end()) {
        return "「" + Utf8FromPath(project) + "」の計算結果は「" +
               Utf8FromPath(planned[earlier->second].project) + "」と同じ名前「" +
               Utf8FromPath(target) + "」になるため、計算しませんでした";
    }
    const std::filesystem::path pdf = PdfPathOf(target);
    std::error_code unknown;  // a name that cannot be looked at is refused when written
    if (options.writePdf && !options.replace && std::filesystem::exists(pdf, unknown)) {
        return "「" + Utf8FromPath(pdf) + "」は既にあります（上書きしません）";
    }
    return {};
}

}  // namespace

std::filesystem::path BatchWorkbookPath(const std::filesystem::path& project,
                                        const CalcOptions& options) {
    const std::filesystem::path folder =
        options.besideProject ? project.parent_path() : options.outputFolder;
    return (folder / PathFromUtf8(Utf8FromPath(project.stem()) + "_即時沈下量計算結果.xlsx"))
        .lexically_normal();
}

std::vector<PlannedProject> PlanWorkbooks(std::vector<ListedProject> listed,
                                          const CalcOptions& options) {
    std::vector<PlannedProject> planned;
    planned.reserve(listed.size());
    std::map<std::filesystem::path, std::size_t> taken;  // workbook: its project's place
    for (ListedProject& item : listed) {
        PlannedProject project{std::move(item.path), {}, std::move(item.refusal)};
        // A path that names no readable file (or a named pipe, which would
        // never end) is refused here and takes no workbook name from a
        // project that can be read.
        if (project.refusal.empty() && !CanReadRegularFile(project.project)) {
            project.refusal = UnreadableProjectText(project.project);
        }
        if (options.writeWorkbook && project.refusal.empty()) {
            project.workbook = BatchWorkbookPath(project.project, options);
            project.refusal =
                NameRefusal(project.project, project.workbook, taken, planned, options);
            taken.emplace(project.workbook, planned.size());
        }
        planned.push_back(std::move(project));
    }
    return planned;
}

}  // namespace nubera::cli
