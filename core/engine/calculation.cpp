#include "engine/calculation.h"

#include "engine/equivalent_modulus.h"
#include "engine/lateral.h"
#include "engine/run_input_check.h"
#include "engine/settlement.h"
#include "engine/shown_magnitude_check.h"

namespace nubera {

void CheckRunnable(const ProjectData& project) {
    CheckRunInputs(project);
    CheckShownMagnitudes(project);
}

RunOutcome RunCalculation(const ProjectData& project, CalcResults& results, Placement placement,
                          const AfterModulus& afterModulus) {
    CheckRunnable(project);
    const EngineInput input = EngineInputOf(project);
    // Nothing of an earlier run may show up beside this one's results.
    results = CalcResults{};
    results.equivalentModulus =
        EquivalentModulus(input.layers, input.excavationWidth, input.leveeWidth);
    if (!UsableModulus(results.equivalentModulus)) return RunOutcome::ModulusZero;
    if (afterModulus && !afterModulus()) return RunOutcome::Stopped;
    RunSettlementStep(input, results, placement);
    if (project.alsoLateral) ComputeLateral(input, results);
    return RunOutcome::Computed;
}

}  // namespace nubera
