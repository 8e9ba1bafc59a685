#pragma once

#include <nlohmann/json.hpp>

#include "cli/project_calculation.h"

namespace nubera::web {

// What the page shows of a computed project, every number already a text as
// the desktop shows it: the project's description, the inputs (lines and
// tables with the screens' captions), Em and the table of the eleven points
// as the workspace words them, the warnings, and the plot's points (section
// x and each total, in m and cm). Keys: description, lines, tables, modulus,
// points {headers, rows}, warnings, plot {x, settlement, lateral}.
nlohmann::ordered_json ResultView(const cli::ComputedProject& computed);

}  // namespace nubera::web
