#pragma once

#include "model/calc_results.h"
#include "model/project_data.h"
#include "report/text/report_context.h"
#include "spreadsheet/workbook.h"

namespace nubera::report {

// The sheet that records what a run was computed from, and the model whose
// rows it is built of (the model goes before the workbook is saved).
inline constexpr const char* kInputSheet = "入力条件";
inline constexpr const char* kInputModelSheet = "入力条件雛形";

// Builds the input sheet from its model's sections, one below the other: the
// run (program, project file, time, modes, widths), the soil layers with Em
// and how it was derived, the fill blocks, the surcharge, and the manual
// points when the run placed its points by hand. Values are written as the
// project holds them (a text cell as the number it reads as); one the run
// warns of (RunWarnings) as its text with kWarningMark after it, the warnings
// listed below the run's lines.
void WriteInputSheet(sheet::Workbook& book, const ProjectData& project, const CalcResults& results,
                     const ReportContext& context);

}  // namespace nubera::report
