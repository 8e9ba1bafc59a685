#include "calculation.h"

#include "equivalent_modulus.h"
#include "lateral.h"
#include "run_input_check.h"
#include "settlement.h"

namespace nubera {

PoissonCheck CheckLoadedPoisson(const LoadedProject& loaded) {
    return CheckPoissonText(loaded.alsoLateral ? loaded.poissonText : "");
}

Placement LoadedPlacement(const LoadedProject& loaded) {
    return loaded.manualPointsLoaded ? Placement::Manual : Placement::Automatic;
}

RunOutcome RunCalculation(const ProjectData& project, CalcResults& results, Placement placement,
                          const AfterModulus& afterModulus) {
    CheckRunInputs(project);
    // Nothing of an earlier run may show up beside this one's results.
    results = CalcResults{};
    if (!UsableModulus(
            EquivalentModulus(project, results, project.excavationWidth, project.leveeWidth))) {
        return RunOutcome::ModulusZero;
    }
    if (afterModulus && !afterModulus()) return RunOutcome::Stopped;
    RunSettlementStep(project, results, placement);
    if (project.alsoLateral) ComputeLateral(project, results);
    return RunOutcome::Computed;
}

}  // namespace nubera
