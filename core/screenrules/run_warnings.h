#pragma once

#include <string>
#include <vector>

#include "model/project_data.h"

namespace nubera {

// What a run is warned about, one text each: a Poisson's ratio that reverses
// the lateral displacements (PoissonRatioWarning), then every value outside
// its plausible range (ImplausibleValueText). Empty for most projects. The
// run goes on either way; the person is told before, or beside, the results.
std::vector<std::string> RunWarnings(const ProjectData& project);

}  // namespace nubera
