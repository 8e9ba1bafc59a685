#include "screenrules/fill_loads.h"

namespace nubera {

FillLoads FillLoadsOf(const ProjectData& project) {
    return {project.fillLoads, project.surcharge};
}

bool CommitDiscardsManualPoints(const std::optional<FillLoadTable>& accepted,
                                const std::optional<FillLoadTable>& current, Placement placement) {
    return placement == Placement::Manual && accepted != current;
}

bool TellsOfDiscardedPoints(const FillLoads& accepted, const std::optional<FillLoadTable>& current,
                            Placement placement, bool manualPointsSet) {
    return CommitDiscardsManualPoints(accepted.blocks, current, placement) && accepted.blocks &&
           manualPointsSet;
}

void CommitFillLoads(const FillLoads& accepted, Placement placement, ProjectData& project) {
    if (CommitDiscardsManualPoints(accepted.blocks, project.fillLoads, placement)) {
        project.focusPoints.reset();
    }
    project.fillLoads = accepted.blocks;
    project.surcharge = accepted.surcharge;
}

}  // namespace nubera
