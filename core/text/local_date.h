#pragma once

#include <chrono>
#include <ctime>

namespace nubera {

// A moment on the local clock, broken into calendar fields. The one place
// that asks the system for the local time zone (localtime_r here; another
// platform replaces this file's body).
std::tm LocalCalendar(std::chrono::system_clock::time_point moment);

// Today's date on the local clock, as a result file's name carries it. The
// desktop program and nubera-cli both ask here, so the two name a run's
// workbook alike.
std::chrono::year_month_day LocalToday();

}  // namespace nubera
