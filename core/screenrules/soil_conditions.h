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
    // How the layers were read off a boring log, if they were.
    std::optional<SoilDerivation> derivation;

    bool operator==(const SoilConditions&) const = default;
};

// The project's soil conditions, as the screen opens on them (no Em yet).
SoilConditions SoilConditionsOf(const ProjectData& project);

// Writes accepted soil conditions: the widths and the layers into the
// project, an Em the screen computed into the results. The derivation goes
// with the layers only while it still describes them.
void CommitSoilConditions(const SoilConditions& accepted, ProjectData& project,
                          CalcResults& results);

}  // namespace nubera
