#pragma once

#include <string>

#include "cli/batch/project_outcome.h"

namespace nubera::cli {

// The batch summary as a CSV file's bytes: UTF-8 with a byte-order mark (a
// spreadsheet program on a Japanese desktop reads a file without one as code
// page 932), the header row, then one row per project in the summary's order
// with the same figures, lines ended with CR LF, fields quoted where needed.
// The file starts with SummaryCsvHeader(), each project adds its
// SummaryCsvRow().
std::string SummaryCsvHeader();
std::string SummaryCsvRow(const ProjectOutcome& outcome);

}  // namespace nubera::cli
