#pragma once

#include <filesystem>
#include <optional>

#include "model/calc_results.h"
#include "model/placement.h"
#include "model/project_data.h"

namespace nubera::cli {

// Everything a finished calculation reports.
struct RunSummary {
    const ProjectData& project;
    const CalcResults& results;
    Placement placement;
    std::optional<std::filesystem::path> workbook;  // nothing when none was written
    std::optional<std::filesystem::path> pdf;       // the workbook's pages, when asked for
};

}  // namespace nubera::cli
