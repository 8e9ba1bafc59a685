#pragma once

#include <chrono>
#include <string>

#include "model/placement.h"
#include "model/project_description.h"

namespace nubera::report {

// What a report records about its run beyond the project and the results:
// which project file it came from, when it ran and how its points were placed.
struct ReportContext {
    std::string projectName;  // the project file's name (UTF-8); empty when never saved
    std::chrono::sys_seconds runTime;
    Placement placement = Placement::Automatic;
    // The SHA-256 of the project file's bytes (lower-case hex) when the run's
    // inputs are exactly what that file holds; empty when they are not saved.
    std::string projectDigest;
};

// The program's name with its version: "ヌベラ 1.1.0" (with the commit of a
// build that is not a release, "ヌベラ 1.1.0+g1a2b3c4").
std::string ProgramText();

// The project file's name, or "未保存".
std::string ProjectNameText(const ReportContext& context);

// The project file's SHA-256, or "未保存".
std::string ProjectDigestText(const ReportContext& context);

// What the page headers name the report by: the project's title when it has
// one, else the project file's name (or "未保存").
std::string ReportHeaderText(const ReportContext& context, const ProjectDescription& description);

// The run's date and time on the local clock: "2025/01/31 14:05".
std::string RunTimeText(const ReportContext& context);

}  // namespace nubera::report
