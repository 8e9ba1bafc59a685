#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/project_data.h"

namespace nubera {

// The engine's inputs, typed and named, read once from the project's tables
// (EngineInputOf): the engine's public functions take these, never a table.
// The ranges given are what the formulas need; the run's input check
// (CheckRunInputs) refuses a project outside them before anything is
// computed, and each step still refuses, with an EngineError, the values it
// cannot take.

// One layer of the ground, top layer first.
struct SoilLayer {
    double depth = 0;    // m, the depth of the layer's bottom below the surface; >= 0
    double modulus = 0;  // kN/m2, the deformation modulus Es; > 0
};

// One fill load (a tier of the embankment fill, q1 at the top) as a uniform
// strip load. Lengths in m.
struct FillLoad {
    double load = 0;            // q, kN/m2; >= 0
    double loadingWidth = 0;    // 2a; > 0
    double centreOffset = 0;    // the strip's centre from that of the top tier (0 for the top tier)
    double centreDistance = 0;  // the strip's centre from the reference point
    double leftSlope = 0;       // A, B and C: the widths of the tier's base, left slope,
    double crest = 0;           // crest and right slope; >= 0
    double rightSlope = 0;
};

// The surcharge on the fill, a uniform strip load. Lengths in m.
struct Surcharge {
    double load = 0;          // qX, kN/m2; >= 0
    double loadingWidth = 0;  // 2a; > 0
    double centreOffset = 0;  // the strip's centre from that of the top tier
};

// Manually placed points: x in m from the centre of the top tier; an empty
// slot has no point.
using ManualPoints = std::array<std::optional<double>, kPointCount>;

struct EngineInput {
    double excavationWidth = 0;       // B, m; > 0 for Em, and c = B / 2 for the lateral step
    double leveeWidth = 0;            // L, m; > 0
    std::vector<SoilLayer> layers;    // empty when the project has none
    std::vector<FillLoad> fillLoads;  // top tier first; empty when the project has none
    std::optional<Surcharge> surcharge;
    std::optional<ManualPoints> manualPoints;
    double poissonRatio = 0;  // nu, for the lateral step; the run admits 0.01 to 1.00
};

// Every cell read as a number as the run has always read it: a number as it
// is, a text by its number prefix, a missing cell as 0.
EngineInput EngineInputOf(const ProjectData& project);

}  // namespace nubera
