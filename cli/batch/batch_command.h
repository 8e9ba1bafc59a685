#pragma once

#include <iosfwd>

#include "cli/calc_options.h"

namespace nubera::cli {

// Calculates every project file that `options` names (files, and the `*.nbr`
// files of folders) on `options.jobs` threads, with the template read once,
// each workbook named after its project; prints one summary line per
// project in the order of their paths, then a line counting successes and
// refusals. A refused project never stops the others. `terminal` shows a
// progress line on `err` while more than one project runs. Returns 0 when
// every project succeeded, 1 otherwise.
int RunBatch(const CalcOptions& options, std::ostream& out, std::ostream& err, bool terminal);

}  // namespace nubera::cli
