#include "engine/calculation.h"

#include "engine/equivalent_modulus.h"
#include "engine/lateral.h"
#include "engine/run_input_check.h"
#include "engine/settlement.h"

namespace nubera {

RunOutcome RunCalculation(const ProjectData& project, CalcResults& results, Placement placement,
                          const AfterModulus& afterModulus) {
    CheckRunInputs(project);
    // Nothing of an earlier run may show up beside this one's results.
    results = CalcResults{};
    if (EquivalentModulus(project, results, project.excavationWidth, project.leveeWidth) == 0) {
        return RunOutcome::ModulusZero;
    }
    if (afterModulus && !afterModulus()) return RunOutcome::Stopped;
    RunSettlementStep(project, results, placement);
    if (project.alsoLateral) ComputeLateral(project, results);
    return RunOutcome::Computed;
}

}  // namespace nubera
