#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "calc_results.h"
#include "project_data.h"
#include "report_context.h"

namespace nubera {

// The report template, looked for in the application folder.
inline constexpr const char* kTemplateFileName = "即時沈下量計算結果.xltx";

// Shown when all 100 result names of the day are taken.
inline constexpr const char* kNoFreeResultName =
    "Excelﾌｧｲﾙを保存できません。\n"
    "ﾌｫﾙﾀﾞ内の即時沈下量計算結果ﾌｧｲﾙを削除または、移動してください。";

// Picks folder/即時沈下量計算結果yyyymmddNN.xlsx with the first free counter
// NN = 00..99 for `today`, and claims it by creating it exclusively (an empty
// file), so two runs racing for a name never share one. Returns nothing when
// every name of the day exists (*error, when given, is kNoFreeResultName) or
// when the folder refuses new files (*error names the file and the reason).
std::optional<std::filesystem::path> ChooseResultFileName(const std::filesystem::path& folder,
                                                          std::chrono::year_month_day today,
                                                          std::string* error = nullptr);

// Fills the template with the inputs and results of a run and saves it to
// resultPath (a name claimed by ChooseResultFileName), writing a temporary
// file first and renaming it only when complete: the input sheet first, then
// the result sheets, every page titled with the project file and the run's
// time. On failure returns false, sets *error to what failed (template
// missing or unreadable, a sheet or label missing from it, the disk refusing
// the save) and removes the claimed name.
bool WriteResultWorkbook(const ProjectData& project, const CalcResults& results,
                         const ReportContext& context, const std::filesystem::path& templatePath,
                         const std::filesystem::path& resultPath, std::string* error);

}  // namespace nubera
