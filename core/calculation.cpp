#include "calculation.h"

#include "equivalent_modulus.h"
#include "lateral.h"
#include "settlement.h"

namespace nubera {

PoissonCheck CheckLoadedPoisson(const LoadedProject& loaded) {
    return CheckPoissonText(loaded.alsoLateral ? loaded.poissonText : "");
}

Placement LoadedPlacement(const LoadedProject& loaded) {
    return loaded.manualPointsLoaded ? Placement::Manual : Placement::Automatic;
}

bool RunCalculation(const ProjectData& project, CalcResults& results, Placement placement) {
    if (EquivalentModulus(project, results, project.excavationWidth, project.leveeWidth) == 0) {
        return false;
    }
    RunSettlementStep(project, results, placement);
    if (project.alsoLateral) ComputeLateral(project, results);
    return true;
}

}  // namespace nubera
