#pragma once

#include <string>

#include "model/placement.h"
#include "model/project_data.h"

namespace nubera {

// The run needs the soil layers and the fill loads, and with manual placement
// also the manual points.
bool RunAllowed(const ProjectData& project, Placement placement);

// What the run still needs, in words for the person (the run button's tooltip
// and the status line): "実行するには、" + the missing inputs + "が必要です。";
// empty when the run is allowed.
std::string RunRequirementText(const ProjectData& project, Placement placement);

}  // namespace nubera
