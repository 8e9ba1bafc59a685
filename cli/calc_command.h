#pragma once

#include <iosfwd>

#include "calc_options.h"

namespace nubera::cli {

// Loads the project as the main window's load command would, checks the
// Poisson's ratio from the loaded box text, runs Em, the settlement step and,
// in mode 1, the lateral step, writes the workbook unless told not to, and
// prints the results to `out`. A refused file or input, Em = 0, an engine
// failure or a failed workbook prints the program's message to `err` and
// returns 1; success returns 0.
int RunCalc(const CalcOptions& options, std::ostream& out, std::ostream& err);

}  // namespace nubera::cli
