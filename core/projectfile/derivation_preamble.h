#pragma once

#include <optional>

#include "model/soil_derivation.h"
#include "projectfile/project_preamble.h"

namespace nubera {

// How the soil layers were read off a boring log, as preamble entries: the
// file, the boring's name, α, then one entry per layer in order
// ("top,bottom,N̄,depth:N depth:N …,name"; N̄ "-" for a layer without a test).
void AppendSoilDerivation(const SoilDerivation& derivation, ProjectPreamble& preamble);

// The derivation a preamble holds; nothing when it holds none or one that
// does not read (a derivation only explains the layers, so a damaged one is
// left out rather than refusing the project).
std::optional<SoilDerivation> SoilDerivationFromPreamble(const ProjectPreamble& preamble);

}  // namespace nubera
