#pragma once

#include "batch_names.h"
#include "calc_options.h"
#include "project_outcome.h"
#include "result_template.h"

namespace nubera::cli {

// Calculates one project of a batch and writes its workbook from `source`
// under its planned name (none when `source` is null). Never throws: whatever fails is the
// outcome's refusal. Safe to run for several projects at once on different threads.
ProjectOutcome RunBatchJob(const PlannedProject& planned, const CalcOptions& options,
                           const ResultTemplate* source);

}  // namespace nubera::cli
