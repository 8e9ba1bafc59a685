#pragma once

#include "model/calc_results.h"
#include "model/project_data.h"

namespace nubera {

// Lateral displacement (cm) of every fill row and the surcharge at every point,
// from the offsets placed by the settlement step, with c = excavation width / 2:
//   d = 100 (1 + v)(1 - 2v) q a / (pi Em)
//       [(c/2a) ln(((a - x)^2 + c^2) / ((a + x)^2 + c^2))
//        + ((a - x)/a) atan(c/(a - x)) - ((a + x)/a) atan(c/(a + x))]
// with x signed. Fills lateralDetail and surchargeLateralDetail. Throws
// EngineError, naming the load row and point, on a zero loading width, Em = 0,
// a logarithm of 0 or an overflow; rows and points computed before the failing
// one stay written.
void ComputeLateral(const ProjectData& project, CalcResults& results);

}  // namespace nubera
