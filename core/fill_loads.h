#pragma once

#include <optional>

#include "placement.h"
#include "project_data.h"

namespace nubera {

// What the fill-load screen edits and hands back: the fill blocks and the
// surcharge on the top crest.
struct FillLoads {
    std::optional<FillLoadTable> blocks;
    std::optional<SurchargeTable> surcharge;

    bool operator==(const FillLoads&) const = default;
};

FillLoads FillLoadsOf(const ProjectData& project);

// Manual points are measured from the fill geometry: committing fill loads
// while manual placement is selected discards them.
bool CommitDiscardsManualPoints(Placement placement);

// The person is told of the discarded points when there were points and new
// fill loads take the place of the old ones; removing the fill loads
// altogether discards the points silently.
bool TellsOfDiscardedPoints(const FillLoads& accepted, Placement placement, bool manualPointsSet);

// Writes accepted fill loads into the project and discards the manual points
// when the placement says so.
void CommitFillLoads(const FillLoads& accepted, Placement placement, ProjectData& project);

}  // namespace nubera
