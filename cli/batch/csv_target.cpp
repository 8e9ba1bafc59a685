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

// Whether `csv` is a file the call reads or writes besides the CSV: each is
// looked at as it is named, so that none of them is held.
bool IsFileOfTheCall(const std::filesystem::path& csv, const BatchPlan& plan,
                     const CalcOptions& options) {
    if (SameFile(csv, options.templatePath) || SameFile(csv, options.pdfTool)) return true;
    for (std::size_t i = 0; i < plan.Size(); ++i) {
        const PlannedProject project = plan.At(i);
        if (SameFile(csv, project.project)) return true;
        if (project.workbook.empty()) continue;
        if (SameFile(csv, project.workbook)) return true;
        if (options.writePdf && SameFile(csv, PdfPathOf(project.workbook))) return true;
    }
    return false;
}

}  // namespace

std::string CsvTargetRefusal(const std::filesystem::path& csv, const BatchPlan& plan,
                             const CalcOptions& options) {
    const std::string name = "「" + Utf8FromPath(csv) + "」";
    if (IsFileOfTheCall(csv, plan, options)) {
        return "CSVファイル" + name +
               "はこの実行で読み書きするファイルです。CSVの保存先には別の名前を指定してください";
    }
    std::error_code unknown;  // a name that cannot be looked at is refused when written
    if (!options.replace &&
        std::filesystem::exists(std::filesystem::symlink_status(csv, unknown))) {
        return "CSVファイル" + name + "は既にあります（上書きしません）";
    }
    return {};
}

}  // namespace nubera::cli
