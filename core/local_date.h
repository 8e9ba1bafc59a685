#pragma once

#include <chrono>

namespace nubera {

// Today's date on the local clock, as a result file's name carries it. The
// desktop program and nubera-cli both ask here, so the two name a run's
// workbook alike.
std::chrono::year_month_day LocalToday();

}  // namespace nubera
