#include "report/text/report_context.h"

#include <cstdio>

#include "text/local_date.h"
#include "version.h"

namespace nubera::report {

std::string ProgramText() {
    return kProgramAndVersion;
}

std::string ProjectNameText(const ReportContext& context) {
    return context.projectName.empty() ? std::string("未保存") : context.projectName;
}

std::string ProjectDigestText(const ReportContext& context) {
    return context.projectDigest.empty() ? std::string("未保存") : context.projectDigest;
}

std::string ReportHeaderText(const ReportContext& context, const ProjectDescription& description) {
    return description.title.empty() ? ProjectNameText(context) : description.title;
}

std::string RunTimeText(const ReportContext& context) {
    const std::tm local = LocalCalendar(context.runTime);
    char text[80];  // room for any int the fields could hold
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

}  // namespace nubera::report
