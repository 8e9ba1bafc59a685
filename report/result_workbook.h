#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/pending_file.h"
#include "model/calc_results.h"
#include "model/project_data.h"
#include "report/result_template.h"
#include "report/text/report_context.h"

namespace nubera::report {

// The report template, looked for in the application folder.
inline constexpr const char* kTemplateFileName = "即時沈下量計算結果.xltx";

// Shown when every name a workbook may take is taken.
inline constexpr const char* kNoFreeResultName =
    "Excelﾌｧｲﾙを保存できません。\n"
    "ﾌｫﾙﾀﾞ内の即時沈下量計算結果ﾌｧｲﾙを削除または、移動してください。";

// How many names a workbook tries before it gives up: far more than a folder
// will ever hold, so that a name search always ends.
inline constexpr int kResultNameAttempts = 100000;

// folder/即時沈下量計算結果yyyymmddNN.xlsx for `counter` NN of `today`; from
// 100 on the counter takes the digits it needs (…20261208100.xlsx).
std::filesystem::path ResultFileName(const std::filesystem::path& folder,
                                     std::chrono::year_month_day today, int counter);

// folder/<project>_即時沈下量計算結果.xlsx, and for later attempts
// …_即時沈下量計算結果_2.xlsx, _3 and so on: a saved project's workbooks, named
// as the batch names them. `projectStem` is the project file's name without
// its extension.
std::filesystem::path ProjectResultFileName(const std::filesystem::path& folder,
                                            const std::filesystem::path& projectStem, int attempt);

// The newest of the project's own workbooks in `folder` (by the time it was
// written), or nothing.
std::optional<std::filesystem::path> NewestProjectResult(const std::filesystem::path& folder,
                                                         const std::filesystem::path& projectStem);

// The names a run's workbook may take, tried in order until one is free.
struct ResultNaming {
    std::filesystem::path folder;
    std::function<std::filesystem::path(int attempt)> candidate;
};

// The dated names of `today`: an unsaved project's workbooks.
ResultNaming DatedResultNaming(const std::filesystem::path& folder,
                               std::chrono::year_month_day today);
// The project's own names.
ResultNaming ProjectResultNaming(const std::filesystem::path& folder,
                                 const std::filesystem::path& projectStem);

// Fills the template with the inputs and results of a run (the input sheet
// first, then the result sheets, every page titled with the project file and
// the run's time), writes it to a hidden pending file in `folder`, reads that back as the preview
// and the PDF will (a workbook that does not open is refused), and only then gives it the first
// free result name of `today` in one step that never replaces a file, and syncs the folder so that
// the name survives a power cut. A name is free only when no file of that name with
// `companionExtension` (".pdf", say, for a PDF to be written beside it) exists either. Returns
// that name. On failure returns nothing, sets *error to what failed (template missing or damaged,
// a sheet or label missing from it, the disk refusing the save, every name taken:
// kNoFreeResultName) and leaves nothing behind; a result name only ever holds a complete workbook.
std::optional<std::filesystem::path> WriteResultWorkbook(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const std::filesystem::path& templatePath, const std::filesystem::path& folder,
    std::chrono::year_month_day today, std::string* error,
    std::string_view companionExtension = {});

// The same from a template read once, for many runs in one process; several
// threads may write workbooks from one template at once.
std::optional<std::filesystem::path> WriteResultWorkbook(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const ResultTemplate& source, const std::filesystem::path& folder,
    std::chrono::year_month_day today, std::string* error,
    std::string_view companionExtension = {});

// The same, giving the workbook the first free name of `naming`.
std::optional<std::filesystem::path> WriteResultWorkbook(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const std::filesystem::path& templatePath, const ResultNaming& naming, std::string* error,
    std::string_view companionExtension = {});

// What becomes of a file that already has the name a workbook is given.
enum class ExistingResult { Refuse, Replace };

// Fills and checks the workbook as above but gives it the name `target`
// (its folder holds the pending file). A file of that name is left untouched
// and the workbook refused, *error naming it, unless `existing` is Replace,
// which replaces it in one step. Made for many workbooks in a few folders:
// the caller removes what killed runs left in each folder once
// (PendingFile::RemoveAbandoned) before writing them.
std::optional<std::filesystem::path> WriteResultWorkbookAs(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const ResultTemplate& source, const std::filesystem::path& target, ExistingResult existing,
    std::string* error);

// The two steps of WriteResultWorkbookAs, for a caller that names one
// workbook while the next are filled, so that waiting for the disk overlaps
// the work: the workbook filled, written under a hidden name in `folder` and
// checked, or nothing with *error set; then the name `target` (in `folder`)
// given to it, the file synced first.
std::optional<PendingFile> WriteUnnamedResultWorkbook(
    const ProjectData& project, const CalcResults& results, const ReportContext& context,
    const ResultTemplate& source, const std::filesystem::path& folder, std::string* error);
std::optional<std::filesystem::path> NameResultWorkbook(PendingFile& file,
                                                        const std::filesystem::path& target,
                                                        ExistingResult existing,
                                                        std::string* error);

}  // namespace nubera::report
