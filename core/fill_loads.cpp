#include "fill_loads.h"

namespace nubera {

FillLoads FillLoadsOf(const ProjectData& project) {
    return {project.fillLoads, project.surcharge};
}

bool CommitDiscardsManualPoints(Placement placement) {
    return placement == Placement::Manual;
}

bool TellsOfDiscardedPoints(const FillLoads& accepted, Placement placement, bool manualPointsSet) {
    return CommitDiscardsManualPoints(placement) && accepted.blocks && manualPointsSet;
}

void CommitFillLoads(const FillLoads& accepted, Placement placement, ProjectData& project) {
    project.fillLoads = accepted.blocks;
    project.surcharge = accepted.surcharge;
    if (CommitDiscardsManualPoints(placement)) project.focusPoints.reset();
}

}  // namespace nubera
