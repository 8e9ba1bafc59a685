#include "screenrules/soil_conditions.h"

namespace nubera {

SoilConditions SoilConditionsOf(const ProjectData& project) {
    return {project.excavationWidth, project.leveeWidth, project.soilLayers, std::nullopt,
            project.soilDerivation};
}

void CommitSoilConditions(const SoilConditions& accepted, ProjectData& project,
                          CalcResults& results) {
    project.excavationWidth = accepted.excavationWidth;
    project.leveeWidth = accepted.leveeWidth;
    project.soilLayers = accepted.layers;
    const bool derived = accepted.derivation && accepted.layers &&
                         DescribesLayers(*accepted.derivation, *accepted.layers);
    project.soilDerivation = derived ? accepted.derivation : std::nullopt;
    if (accepted.equivalentModulus) results.equivalentModulus = *accepted.equivalentModulus;
}

}  // namespace nubera
