#include "report/result_workbook.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <system_error>

#include "engine/point_totals.h"
#include "files/folder_sync.h"
#include "files/pending_file.h"
#include "printout/workbook_printout.h"
#include "report/block_plan.h"
#include "report/figures/result_plot.h"
#include "report/figures/section_diagram.h"
#include "report/result_printout.h"
#include "report/result_template.h"
#include "report/sheets/cover_sheet.h"
#include "report/sheets/displacement_sheet.h"
#include "report/sheets/input_sheet.h"
#include "report/sheets/method_sheet.h"
#include "report/sheets/result_sheet.h"
#include "report/sheets/settlement_sheet.h"
#include "report/sheets/summary_extremes.h"
#include "report/sheets/title_block.h"
#include "spreadsheet/spreadsheet_error.h"
#include "spreadsheet/workbook.h"
#include "text/number_text.h"
#include "text/path_text.h"
#include "text/round_half.h"

namespace nubera::report {
namespace {

using sheet::Workbook;
using sheet::Worksheet;

constexpr int kMaxLoadBlocks = 5;  // the summary has five load columns

std::string Fixed2Text(double value) {
    return FormatFixed2(RoundHalf(value));
}

// Right of the Em text on the settlement summary: the depth of the ground.
std::string GroundDepthText(const ProjectData&, const CalcResults& results) {
    const Cell depth = LoadItem(results.settlementDetail.at(0), settlement_item::kDepth);
    return "H(深度) = " + (depth.IsMissing() ? std::string() : Fixed2Text(depth.AsNumber())) + " m";
}

// Right of the Em text on the displacement summary: half the excavation width.
std::string LoadingDepthText(const ProjectData& project, const CalcResults&) {
    return "載荷奥行 = " + Fixed2Text(project.excavationWidth / 2) + " m";
}

// The three sheets of one kind of result, how the run fills them, and what
// the summary's plot shows of it.
struct ResultPass {
    ResultSheetNames sheets;
    void (*fill)(Worksheet&, const ProjectData&, const CalcResults&, ResultBlockKind, int, int);
    std::string (*summaryDepthText)(const ProjectData&, const CalcResults&);
    std::vector<PointDetail> CalcResults::*loadDetail;
    PointDetail CalcResults::*surchargeDetail;
    const char* plotTitle;
    const char* plotAxisTitle;
    SummaryExtremes extremes;
};

constexpr ResultPass kSettlementPass{kSettlementSheets,
                                     WriteSettlementSheet,
                                     GroundDepthText,
                                     &CalcResults::settlementDetail,
                                     &CalcResults::surchargeSettlementDetail,
                                     "各着目点の即時沈下量 S（全荷重の合計、沈下を上向きに描く）",
                                     "S (cm)",
                                     SummaryExtremes::Largest};
constexpr ResultPass kDisplacementPass{
    kDisplacementSheets,
    WriteDisplacementSheet,
    LoadingDepthText,
    &CalcResults::lateralDetail,
    &CalcResults::surchargeLateralDetail,
    "各着目点の側方変位量 δ（全荷重の合計、右向きの変位を上向きに描く）",
    "δ (cm)",
    SummaryExtremes::EachSign};

// The passes a run makes: the displacement only when it was computed.
std::vector<const ResultPass*> UsedPasses(bool alsoLateral) {
    if (alsoLateral) {
        return {&kSettlementPass, &kDisplacementPass};
    }
    return {&kSettlementPass};
}

std::string TwoDigits(unsigned value) {
    return std::string{static_cast<char>('0' + value / 10 % 10),
                       static_cast<char>('0' + value % 10)};
}

// yyyymmdd
std::string DateDigits(std::chrono::year_month_day day) {
    const int year = static_cast<int>(day.year());
    return TwoDigits(year / 100) + TwoDigits(year % 100) + TwoDigits(unsigned(day.month())) +
           TwoDigits(unsigned(day.day()));
}

// Refuses results that do not belong to the project, which would otherwise
// leave blocks or summary columns half filled.
std::string CheckRun(const ProjectData& project, const CalcResults& results) {
    const std::size_t blocks = project.fillLoads ? project.fillLoads->RowCount() : 0;
    if (blocks < 1 || blocks > kMaxLoadBlocks) {
        return "盛土荷重は1〜" + std::to_string(kMaxLoadBlocks) + "段で指定してください（" +
               std::to_string(blocks) + "段）。";
    }
    const bool complete = results.settlementDetail.size() >= blocks &&
                          !results.pointOffsets.empty() &&
                          (!project.alsoLateral || results.lateralDetail.size() >= blocks);
    return complete ? std::string() : "計算結果がありません。計算をやり直してください。";
}

std::string EmText(const CalcResults& results) {
    return "Em(換算変形係数) = " + FormatNumber(results.equivalentModulus) + " kN/㎡";
}

void WriteCalculationSheet(Workbook& book, const ResultPass& pass, const ProjectData& project,
                           const CalcResults& results) {
    const Worksheet& model = book.Sheet(pass.sheets.model);
    Worksheet& calc = book.Sheet(pass.sheets.calc);
    const int blocks = static_cast<int>(project.fillLoads->RowCount());
    for (const PlannedBlock& block : PlanBlocks(blocks, project.surcharge.has_value())) {
        calc.PasteRows(model, kModelFirstRow, kModelLastRow, block.firstRow);
        pass.fill(calc, project, results, block.mode, block.index, block.shift);
        if (block.pageBreakBefore) {
            calc.AddPageBreakBefore(*block.pageBreakBefore);
        }
    }
}

PlotSubject PlotOf(const ResultPass& pass, const ProjectData& project, const CalcResults& results) {
    return {pass.plotTitle, pass.plotAxisTitle,
            PointTotals(project, results.*pass.loadDetail, results.*pass.surchargeDetail)};
}

void WriteSummarySheet(Workbook& book, const ResultPass& pass, const ProjectData& project,
                       const CalcResults& results) {
    Worksheet& summary = book.Sheet(pass.sheets.summary);
    pass.fill(summary, project, results, ResultBlockKind::Summary, 0, 0);
    if (const auto surplus = SurplusLoadColumns(static_cast<int>(project.fillLoads->RowCount()))) {
        summary.DeleteColumns(surplus->first, surplus->last);
    }
    summary.SetText(2, 2, EmText(results));
    summary.SetText(2, 6, pass.summaryDepthText(project, results));
    DrawSectionDiagram(summary, project, results);
    const PlotSubject plot = PlotOf(pass, project, results);
    DrawResultPlot(summary, LayOutResultPlot(LayOutSectionDiagram(project, results), plot));
    WriteSummaryExtremes(summary, book.Sheet(kSummaryModelSheet), pass.extremes, plot.totals,
                         results);
}

void DeleteUnusedSheets(Workbook& book, bool alsoLateral) {
    book.DeleteSheetAt(0);  // the settlement model, first in every template
    book.DeleteSheet(kDisplacementSheets.model);
    book.DeleteSheet(kInputModelSheet);
    book.DeleteSheet(kMethodModelSheet);
    book.DeleteSheet(kSummaryModelSheet);
    if (!alsoLateral) {
        book.DeleteSheet(kDisplacementSheets.calc);
        book.DeleteSheet(kDisplacementSheets.summary);
    }
}

void BuildWorkbook(Workbook& book, const ProjectData& project, const CalcResults& results,
                   const ReportContext& context) {
    WriteCoverSheet(book, project, context);
    WriteInputSheet(book, project, results, context);
    WriteMethodSheet(book, project.alsoLateral);
    for (const ResultPass* pass : UsedPasses(project.alsoLateral)) {
        WriteCalculationSheet(book, *pass, project, results);
        WriteSummarySheet(book, *pass, project, results);
    }
    DeleteUnusedSheets(book, project.alsoLateral);
    WriteTitleBlocks(book, project.description, context);
}

// The finished workbook's bytes, or the reason there are none.
std::string FilledTemplate(const ProjectData& project, const CalcResults& results,
                           const ReportContext& context, const ResultTemplate& source,
                           std::string& bytes) {
    if (std::string missing = source.Missing(project.alsoLateral); !missing.empty()) {
        return missing;
    }
    try {
        const std::unique_ptr<Workbook> book = source.NewWorkbook();
        BuildWorkbook(*book, project, results, context);
        bytes = book->SavedBytes();
    } catch (const std::exception& failure) {  // the model's SpreadsheetError above all
        return failure.what();
    }
    return {};
}

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

// Whether the file written beside `candidate` under its name already exists.
bool CompanionTaken(const std::filesystem::path& candidate, std::string_view extension) {
    if (extension.empty()) return false;
    std::filesystem::path companion = candidate;
    companion.replace_extension(extension);
    // Anything at that name, a dangling link too, takes it; so does a name
    // that cannot be looked at.
    struct stat status {};
    return ::lstat(companion.c_str(), &status) == 0 || errno != ENOENT;
}

// Makes the name just given to `published` durable; when the folder cannot
// be synced the name may not survive a power cut, so the workbook is taken
// back rather than reported as saved.
std::string SyncName(const std::filesystem::path& folder, const std::filesystem::path& published) {
    std::string reason;
    if (SyncFolder(folder, &reason)) return {};
    ::unlink(published.c_str());
    return "フォルダ「" + Utf8FromPath(folder) + "」をディスクに書き込めません: " + reason;
}

// Gives the pending file the first free name of `naming`.
std::string PublishFirstFree(PendingFile& file, const ResultNaming& naming,
                             std::string_view companionExtension,
                             std::filesystem::path& published) {
    for (int attempt = 0; attempt < kResultNameAttempts; ++attempt) {
        const std::filesystem::path candidate = naming.candidate(attempt);
        if (CompanionTaken(candidate, companionExtension)) continue;
        std::string reason;
        switch (file.PublishAs(candidate, &reason)) {
            case PendingFile::Published::Done:
                published = candidate;
                return SyncName(naming.folder, candidate);
            case PendingFile::Published::NameTaken:
                continue;
            case PendingFile::Published::Failed:
                return "「" + Utf8FromPath(candidate) + "」を保存できません: " + reason;
        }
    }
    return kNoFreeResultName;
}

// Gives the pending file the name `target`, replacing a file of that name
// only when told to.
std::string PublishAs(PendingFile& file, const std::filesystem::path& target,
                      ExistingResult existing, std::filesystem::path& published) {
    std::string reason;
    if (existing == ExistingResult::Replace) {
        if (!file.ReplaceAs(target, &reason)) {
            return "「" + Utf8FromPath(target) + "」を保存できません: " + reason;
        }
    } else {
        switch (file.PublishAs(target, &reason)) {
            case PendingFile::Published::Done:
                break;
            case PendingFile::Published::NameTaken:
                return "「" + Utf8FromPath(target) + "」は既にあります（上書きしません）";
            case PendingFile::Published::Failed:
                return "「" + Utf8FromPath(target) + "」を保存できません: " + reason;
        }
    }
    published = target;
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

std::filesystem::path ResultFileName(const std::filesystem::path& folder,
                                     std::chrono::year_month_day today, int counter) {
    const std::string number =
        counter < 100 ? TwoDigits(static_cast<unsigned>(counter)) : std::to_string(counter);
    return folder / PathFromUtf8("即時沈下量計算結果" + DateDigits(today) + number + ".xlsx");
}

std::filesystem::path ProjectResultFileName(const std::filesystem::path& folder,
                                            const std::filesystem::path& projectStem, int attempt) {
    const std::string suffix = attempt == 0 ? "" : "_" + std::to_string(attempt + 1);
    return folder /
           PathFromUtf8(Utf8FromPath(projectStem) + "_即時沈下量計算結果" + suffix + ".xlsx");
}

std::optional<std::filesystem::path> NewestProjectResult(const std::filesystem::path& folder,
                                                         const std::filesystem::path& projectStem) {
    const std::string base = Utf8FromPath(ProjectResultFileName({}, projectStem, 0).stem());
    const auto ours = [&](const std::string& stem) {
        if (stem == base) return true;
        if (stem.rfind(base + "_", 0) != 0) return false;
        const std::string number = stem.substr(base.size() + 1);
        return !number.empty() && number.find_first_not_of("0123456789") == std::string::npos;
    };
    std::optional<std::filesystem::path> newest;
    std::filesystem::file_time_type newestTime;
    std::error_code unreadable;  // a folder that cannot be listed holds nothing to show
    for (const auto& entry : std::filesystem::directory_iterator(folder, unreadable)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() != ".xlsx" || !ours(Utf8FromPath(path.stem()))) continue;
        std::error_code unknown;
        const auto written = entry.last_write_time(unknown);
        if (unknown || !entry.is_regular_file(unknown)) continue;
        if (!newest || written > newestTime) {
            newest = path;
            newestTime = written;
        }
    }
    return newest;
}

ResultNaming DatedResultNaming(const std::filesystem::path& folder,
                               std::chrono::year_month_day today) {
    return {folder,
            [folder, today](int attempt) { return ResultFileName(folder, today, attempt); }};
}

ResultNaming ProjectResultNaming(const std::filesystem::path& folder,
                                 const std::filesystem::path& projectStem) {
    return {folder, [folder, projectStem](int attempt) {
                return ProjectResultFileName(folder, projectStem, attempt);
            }};
}

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
