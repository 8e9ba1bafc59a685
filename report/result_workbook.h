#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "files/pending_file.h"
#include "model/calc_results.h"
#include "model/project_data.h"
#include "report/result_names.h"
#include "report/result_publishing.h"
#include "report/result_template.h"
#include "report/text/report_context.h"

namespace nubera::report {

// The report template, looked for in the application folder.
inline constexpr const char* kTemplateFileName = "即時沈下量計算結果.xltx";

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
