#pragma once

#include <iosfwd>

#include "cli/run_summary.h"

namespace nubera::cli {

// A readable report for a terminal: Em and the run's settings, then one table
// of settlements and, with the lateral displacement, one of displacements (cm), a line per point
// with its section coordinate x (m) and a column per load (q1.., qX).
void PrintResultsTable(const RunSummary& summary, std::ostream& out);

}  // namespace nubera::cli
