#pragma once

#include "cli/batch/batch_names.h"
#include "cli/batch/project_outcome.h"
#include "cli/calc_options.h"
#include "files/pending_file.h"
#include "report/result_template.h"

namespace nubera::cli {

// Calculates one project of a batch and writes its workbook from `source`
// (none when `source` is null), checked, into *unnamed, which NameBatchWorkbook
// then names; the outcome already names the workbook as planned. Never
// throws: whatever fails is the outcome's refusal. Safe to run for several
// projects at once on different threads.
ProjectOutcome RunBatchJob(const PlannedProject& planned, const CalcOptions& options,
                           const report::ResultTemplate* source,
                           std::optional<PendingFile>& unnamed);

// Gives the workbook RunBatchJob wrote its planned name; when that fails
// the project is refused with the reason instead, as if never written.
void NameBatchWorkbook(const PlannedProject& planned, const CalcOptions& options,
                       PendingFile& unnamed, ProjectOutcome& outcome);

}  // namespace nubera::cli
