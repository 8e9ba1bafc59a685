#pragma once

// The template filled with the inputs and results of a run: the cover, the
// input and method sheets, the calculation sheets and summaries of each kind
// of result, the model sheets deleted and every page titled.

#include <string>

#include "model/calc_results.h"
#include "model/project_data.h"
#include "report/result_template.h"
#include "report/text/report_context.h"

namespace nubera::report {

// Why results that do not belong to the project are refused (they would
// leave blocks or summary columns half filled); empty when they belong.
std::string CheckRun(const ProjectData& project, const CalcResults& results);

// Fills a workbook of `source` and sets `bytes` to the finished workbook's;
// returns why it could not (a sheet or label missing from the template, a
// value the model refuses), or nothing.
std::string FilledTemplate(const ProjectData& project, const CalcResults& results,
                           const ReportContext& context, const ResultTemplate& source,
                           std::string& bytes);

}  // namespace nubera::report
