#pragma once

#include "calc_results.h"
#include "placement.h"
#include "poisson_ratio.h"
#include "project_data.h"
#include "project_file.h"

namespace nubera {

// The Poisson's-ratio check of a loaded project's run: the kept box text in
// mode 1; in settlement-only mode the box is empty, which means 0.3.
PoissonCheck CheckLoadedPoisson(const LoadedProject& loaded);

// The placement a loaded project runs with unless told otherwise: manual when
// the file has manual points.
Placement LoadedPlacement(const LoadedProject& loaded);

// One run: Em, then the settlement step and, in mode 1, the lateral step.
// Returns false, computing nothing further, when Em = 0 (callers report
// kEquivalentModulusZero). Throws EngineError as the steps do.
bool RunCalculation(const ProjectData& project, CalcResults& results, Placement placement);

}  // namespace nubera
