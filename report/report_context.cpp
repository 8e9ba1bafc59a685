#include "report_context.h"

#include <cstdio>
#include <ctime>

#include "version.h"

namespace nubera {

std::string ProgramText() {
    return "ヌベラ " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionPatch);
}

std::string ProjectNameText(const ReportContext& context) {
    return context.projectName.empty() ? std::string("未保存") : context.projectName;
}

std::string RunTimeText(const ReportContext& context) {
    const std::time_t seconds = context.runTime.time_since_epoch().count();
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[80];  // room for any int the fields could hold
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

}  // namespace nubera
