#pragma once

#include <functional>

#include "model/calc_results.h"
#include "model/placement.h"
#include "model/project_data.h"

namespace nubera {

// What a caller does once Em is known and not 0, before the points are placed
// (the desktop program checks that a result name of the day is left). Returning false
// ends the run.
using AfterModulus = std::function<bool()>;

enum class RunOutcome {
    Computed,
    ModulusZero,  // Em not positive or not finite; callers report kEquivalentModulusZero
    Stopped,      // afterModulus said stop
};

// What a run refuses before computing anything: the inputs' bounds
// (CheckRunInputs) and a value the report could not show
// (CheckShownMagnitudes). Throws EngineError naming the value. A caller that
// asks the person something before the run calls it first, so that nobody is
// asked about a project that is then refused.
void CheckRunnable(const ProjectData& project);

// One run: the refusals of CheckRunnable, Em, then the placement and settlement step and,
// when the project asks for it, the lateral step; nothing further once Em is not usable or
// `afterModulus` said stop. Throws EngineError as the steps do.
RunOutcome RunCalculation(const ProjectData& project, CalcResults& results, Placement placement,
                          const AfterModulus& afterModulus = {});

}  // namespace nubera
