#pragma once

#include <ostream>

#include "cli/calc_options.h"

namespace nubera::cli {

// Makes the folders --out and --csv name, with their parents, when missing,
// before any project runs, so that no calculation is spent on results that
// then have nowhere to go. On failure says which folder and why on `err`.
bool MakeOutputFolders(const CalcOptions& options, std::ostream& err);

}  // namespace nubera::cli
