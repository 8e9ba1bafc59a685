#pragma once

#include "placement.h"
#include "project_data.h"

namespace nubera {

// The run needs the soil layers and the fill loads, and with manual placement
// also the manual points.
bool RunAllowed(const ProjectData& project, Placement placement);

}  // namespace nubera
