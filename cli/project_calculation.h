#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "model/calc_results.h"
#include "model/placement.h"
#include "model/project_data.h"
#include "report/text/report_context.h"

namespace nubera::cli {

// A project loaded from its file and calculated.
struct ComputedProject {
    ProjectData project;
    CalcResults results;
    Placement placement = Placement::Automatic;
};

// The message for a project file that cannot be read, naming it.
std::string UnreadableProjectText(const std::filesystem::path& path);

// Loads the project as the main window's load command would, refuses it when
// its derived fill values contradict the entered ones (where the main window
// offers to take the computed values), checks the Poisson's ratio from the
// loaded box text, runs Em, the settlement step and, when the project asks
// for it, the lateral step; `placement` overrides what the file's manual
// points decide. A refused file or input, Em = 0 or an engine failure returns
// nothing and sets *error to the program's message.
std::optional<ComputedProject> ComputeProject(const std::filesystem::path& path,
                                              std::optional<Placement> placement,
                                              std::string* error);

// What the report records of the run: the project file's name without its
// folder, the time now.
report::ReportContext RunContext(const std::filesystem::path& path, Placement placement);

}  // namespace nubera::cli
