#pragma once

#include <string>
#include <vector>

#include "cli/batch/project_outcome.h"

namespace nubera::cli {

// The batch summary as a CSV file's bytes: UTF-8 with a byte-order mark (a
// spreadsheet program on a Japanese desktop reads a file without one as code
// page 932), a header row, then one row per project in the summary's order
// with the same figures, lines ended with CR LF, fields quoted where needed.
std::string SummaryCsv(const std::vector<ProjectOutcome>& outcomes);

}  // namespace nubera::cli
