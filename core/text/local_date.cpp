#include "text/local_date.h"

namespace nubera {

std::tm LocalCalendar(std::chrono::system_clock::time_point moment) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
}

std::chrono::year_month_day LocalToday() {
    const std::tm local = LocalCalendar(std::chrono::system_clock::now());
    return std::chrono::year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday;
}

}  // namespace nubera
