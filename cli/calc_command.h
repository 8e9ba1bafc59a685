#pragma once

#include <iosfwd>

#include "cli/calc_options.h"

namespace nubera::cli {

// Calculates the one project file of `options` (see ComputeProject), writes
// the workbook under the day's next result name unless told not to, and
// prints the results to `out`. A refused file or input, Em = 0, an engine
// failure or a failed workbook prints the program's message to `err` and
// returns 1; success returns 0.
int RunCalc(const CalcOptions& options, std::ostream& out, std::ostream& err);

}  // namespace nubera::cli
