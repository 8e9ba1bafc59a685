#include "cli/batch/csv_target.h"

#include <system_error>

#include "cli/pdf_export.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

// The same file: the same name once made absolute and normal, or two names
// of one existing file (links, "..", a different spelling of the folder).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code unknown;
    const auto absoluteA = std::filesystem::absolute(a, unknown).lexically_normal();
    const auto absoluteB = std::filesystem::absolute(b, unknown).lexically_normal();
    return absoluteA == absoluteB || std::filesystem::equivalent(a, b, unknown);
}

// Every file the call reads or writes besides the CSV.
std::vector<std::filesystem::path> FilesOfTheCall(const std::vector<PlannedProject>& planned,
                                                  const CalcOptions& options) {
    std::vector<std::filesystem::path> files{options.templatePath, options.pdfTool};
    for (const PlannedProject& project : planned) {
        files.push_back(project.project);
        if (project.workbook.empty()) continue;
        files.push_back(project.workbook);
        if (options.writePdf) files.push_back(PdfPathOf(project.workbook));
    }
    return files;
}

}  // namespace

std::string CsvTargetRefusal(const std::filesystem::path& csv,
                             const std::vector<PlannedProject>& planned,
                             const CalcOptions& options) {
    const std::string name = "「" + Utf8FromPath(csv) + "」";
    for (const std::filesystem::path& file : FilesOfTheCall(planned, options)) {
        if (SameFile(csv, file)) {
            return "CSVファイル" + name +
                   "はこの実行で読み書きするファイルです。CSVの保存先には別の名前を指定してくださ"
                   "い";
        }
    }
    std::error_code unknown;  // a name that cannot be looked at is refused when written
    if (!options.replace &&
        std::filesystem::exists(std::filesystem::symlink_status(csv, unknown))) {
        return "CSVファイル" + name + "は既にあります（上書きしません）";
    }
    return {};
}

}  // namespace nubera::cli
