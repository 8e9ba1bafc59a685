#include "cli/batch/csv_target.h"

#include <system_error>

#include "cli/pdf_export.h"
#include "files/file_bytes.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

// The name `path` gives once its folder is resolved: links to the folder, ".."
// and other spellings of it all give the same, also for a file not yet made.
std::filesystem::path ResolvedName(const std::filesystem::path& path) {
    std::error_code unknown;
    const std::filesystem::path absolute = std::filesystem::absolute(path, unknown);
    return std::filesystem::weakly_canonical(absolute.parent_path(), unknown) / absolute.filename();
}

// The same file: the same name in the same resolved folder, or two names of
// one existing file (links to the file itself).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code unknown;
    return ResolvedName(a) == ResolvedName(b) || std::filesystem::equivalent(a, b, unknown);
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
    if (IsOtherThanRegularFile(csv)) {
        return "CSVファイル" + name + "は通常のファイルではありません（置き換えません）";
    }
    std::error_code unknown;  // a name that cannot be looked at is refused when written
    if (!options.replace &&
        std::filesystem::exists(std::filesystem::symlink_status(csv, unknown))) {
        return "CSVファイル" + name + "は既にあります（上書きしません）";
    }
    return {};
}

}  // namespace nubera::cli
