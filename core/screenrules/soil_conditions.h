#pragma once

#include <optional>

#include "model/calc_results.h"
#include "model/project_data.h"

namespace nubera {

// What the soil-conditions screen edits and hands back: the two widths, the
// layers, and the equivalent modulus Em when the screen computed it for them.
struct SoilConditions {
    double excavationWidth = 0;  // m
    double leveeWidth = 0;       // m
    std::optional<SoilLayerTable> layers;
    std::optional<double> equivalentModulus;

    bool operator==(const SoilConditions&) const = default;
};

// The project's soil conditions, as the screen opens on them (no Em yet).
SoilConditions SoilConditionsOf(const ProjectData& project);

// Writes accepted soil conditions: the widths and the layers into the
// project, an Em the screen computed into the results.
void CommitSoilConditions(const SoilConditions& accepted, ProjectData& project,
                          CalcResults& results);

}  // namespace nubera
