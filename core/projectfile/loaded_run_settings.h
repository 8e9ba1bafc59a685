#pragma once

#include "model/placement.h"
#include "projectfile/project_file.h"
#include "screenrules/poisson_ratio.h"

namespace nubera {

// The Poisson's-ratio check of a loaded project's run: the kept box text when
// the project asks for the lateral displacement too; in settlement-only mode
// the box is empty, which means 0.3.
PoissonCheck CheckLoadedPoisson(const LoadedProject& loaded);

// The placement a loaded project runs with unless told otherwise: manual when
// the file has manual points.
Placement LoadedPlacement(const LoadedProject& loaded);

}  // namespace nubera
