#include "report/result_workbook.h"

#include "files/pending_file.h"
#include "printout/workbook_printout.h"
#include "report/result_printout.h"
#include "report/workbook_filling.h"
#include "spreadsheet/spreadsheet_error.h"
#include "text/path_text.h"

namespace nubera::report {
namespace {

// Opens the workbook's bytes as the preview and the PDF open its file, so
// that a workbook our own reader refuses is never published; the bytes
// checked are the very bytes written. Returns why it does not open.
std::string ReadBack(std::string_view bytes, const std::filesystem::path& path, bool alsoLateral) {
    try {
        const printout::WorkbookPrintout printout(bytes, path, PrintedResultSheets(alsoLateral));
    } catch (const sheet::SpreadsheetError& failure) {
        return std::string("作成したブックを読み直せません: ") + failure.what();
    }
    return {};
}

// Fills the workbook, writes it under a pending name in `folder` and checks
// what was written; returns why it could not, leaving nothing behind.
std::string WriteChecked(const ProjectData& project, const CalcResults& results,
                         const ReportContext& context, const ResultTemplate& source,
                         const std::filesystem::path& folder, PendingFile::Sweep sweep,
                         std::optional<PendingFile>& file) {
    if (std::string refusal = CheckRun(project, results); !refusal.empty()) {
        return refusal;
    }
    std::string bytes;
    if (std::string failure = FilledTemplate(project, results, context, source, bytes);
        !failure.empty()) {
        return failure;
    }
    std::string reason;
    std::optional<PendingFile> created = PendingFile::Create(folder, &reason, sweep);
    if (!created) {
        return "フォルダ「" + Utf8FromPath(folder) + "」にファイルを作成できません: " + reason;
    }
    file.emplace(std::move(*created));
    if (!file->Write(bytes, &reason)) {
        return "フォルダ「" + Utf8FromPath(folder) + "」にファイルを書き込めません: " + reason;
    }
    return ReadBack(bytes, file->Path(), project.alsoLateral);
}

// The published name, or nothing with *error saying what failed.
std::optional<std::filesystem::path> Outcome(const std::string& failure,
                                             const std::filesystem::path& published,
                                             std::string* error) {
    if (failure.empty()) return published;
    if (error) {
        *error = failure == kNoFreeResultName
                     ? failure
                     : "計算結果ファイルを作成できませんでした: " + failure;
    }
    return std::nullopt;
}

// Produces the workbook and gives it the first free name of `naming`.
std::optional<std::filesystem::path> WriteNamed(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const ResultTemplate& source, const ResultNaming& naming, std::string_view companionExtension,
    std::string* error) {
    std::optional<PendingFile> file;
    std::string failure = WriteChecked(project, results, context, source, naming.folder,
                                       PendingFile::Sweep::First, file);
    std::filesystem::path published;
    if (failure.empty()) failure = PublishFirstFree(*file, naming, companionExtension, published);
    return Outcome(failure, published, error);
}

}  // namespace

std::optional<std::filesystem::path> WriteResultWorkbook(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const std::filesystem::path& templatePath, const std::filesystem::path& folder,
    std::chrono::year_month_day today, std::string* error, std::string_view companionExtension) {
    return WriteResultWorkbook(project, results, context, templatePath,
                               DatedResultNaming(folder, today), error, companionExtension);
}

std::optional<std::filesystem::path> WriteResultWorkbook(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const std::filesystem::path& templatePath, const ResultNaming& naming, std::string* error,
    std::string_view companionExtension) {
    // A run that does not belong to its project is named before the template.
    std::string failure = CheckRun(project, results);
    std::optional<ResultTemplate> source;
    if (failure.empty()) source = ResultTemplate::Load(templatePath, &failure);
    if (!source) return Outcome(failure, {}, error);
    return WriteNamed(project, results, context, *source, naming, companionExtension, error);
}

std::optional<std::filesystem::path> WriteResultWorkbook(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const ResultTemplate& source, const std::filesystem::path& folder,
    std::chrono::year_month_day today, std::string* error, std::string_view companionExtension) {
    return WriteNamed(project, results, context, source, DatedResultNaming(folder, today),
                      companionExtension, error);
}

std::optional<PendingFile> WriteUnnamedResultWorkbook(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const ResultTemplate& source, const std::filesystem::path& folder, std::string* error) {
    std::optional<PendingFile> file;
    const std::string failure =
        WriteChecked(project, results, context, source, folder, PendingFile::Sweep::Skip, file);
    if (failure.empty()) return file;
    Outcome(failure, {}, error);
    return std::nullopt;
}

std::optional<std::filesystem::path> NameResultWorkbook(PendingFile& file,
                                                        const std::filesystem::path& target,
                                                        ExistingResult existing,
                                                        std::string* error) {
    std::filesystem::path published;
    return Outcome(PublishAs(file, target, existing, published), published, error);
}

std::optional<std::filesystem::path> WriteResultWorkbookAs(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const ResultTemplate& source, const std::filesystem::path& target, ExistingResult existing,
    std::string* error) {
    std::optional<PendingFile> file =
        WriteUnnamedResultWorkbook(project, results, context, source, FolderOf(target), error);
    if (!file) return std::nullopt;
    return NameResultWorkbook(*file, target, existing, error);
}

}  // namespace nubera::report
