#include "run_enabling_rule.h"

namespace nubera {

bool RunAllowed(const ProjectData& project, Placement placement) {
    return project.soilLayers && project.fillLoads &&
           (placement == Placement::Automatic || project.focusPoints);
}

}  // namespace nubera
