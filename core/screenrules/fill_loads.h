#pragma once

#include <optional>

#include "model/placement.h"
#include "model/project_data.h"

namespace nubera {

// What the fill-load screen edits and hands back: the fill blocks and the
// surcharge on the top crest.
struct FillLoads {
    std::optional<FillLoadTable> blocks;
    std::optional<SurchargeTable> surcharge;

    bool operator==(const FillLoads&) const = default;
};

FillLoads FillLoadsOf(const ProjectData& project);

// Manual points are measured from the fill geometry: with manual placement
// selected, committing fill blocks other than those the points were set on
// (`current`) discards them. The same blocks handed back (a surcharge changed
// alone) keep them.
bool CommitDiscardsManualPoints(const std::optional<FillLoadTable>& accepted,
                                const std::optional<FillLoadTable>& current, Placement placement);

// The person is told of the discarded points when there were points and new
// fill loads take the place of the old ones; removing the fill loads
// altogether discards the points silently.
bool TellsOfDiscardedPoints(const FillLoads& accepted, const std::optional<FillLoadTable>& current,
                            Placement placement, bool manualPointsSet);

// Writes accepted fill loads into the project and discards the manual points
// when the placement and the changed blocks say so.
void CommitFillLoads(const FillLoads& accepted, Placement placement, ProjectData& project);

}  // namespace nubera
