#pragma once

#include <filesystem>
#include <optional>

#include "calc_results.h"
#include "placement.h"
#include "project_data.h"

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
