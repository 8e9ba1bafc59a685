#pragma once

#include <string>
#include <vector>

namespace nubera::report {

// The sheets of a saved result workbook that are shown, printed and written
// as PDF together: the input sheet, the settlement calculation and summary,
// and with lateral displacement the displacement calculation and summary too.
std::vector<std::string> PrintedResultSheets(bool alsoLateral);

}  // namespace nubera::report
