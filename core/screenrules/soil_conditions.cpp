#include "screenrules/soil_conditions.h"

namespace nubera {

SoilConditions SoilConditionsOf(const ProjectData& project) {
    return {project.excavationWidth, project.leveeWidth, project.soilLayers, std::nullopt};
}

void CommitSoilConditions(const SoilConditions& accepted, ProjectData& project,
                          CalcResults& results) {
    project.excavationWidth = accepted.excavationWidth;
    project.leveeWidth = accepted.leveeWidth;
    project.soilLayers = accepted.layers;
    if (accepted.equivalentModulus) results.equivalentModulus = *accepted.equivalentModulus;
}

}  // namespace nubera
