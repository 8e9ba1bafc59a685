#pragma once

#include "cli/batch_names.h"
#include "cli/calc_options.h"
#include "cli/project_outcome.h"
#include "report/result_template.h"

namespace nubera::cli {

// Calculates one project of a batch and writes its workbook from `source`
// under its planned name (none when `source` is null). Never throws: whatever fails is the
// outcome's refusal. Safe to run for several projects at once on different threads.
ProjectOutcome RunBatchJob(const PlannedProject& planned, const CalcOptions& options,
                           const ResultTemplate* source);

}  // namespace nubera::cli
