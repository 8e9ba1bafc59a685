#pragma once

#include "calc_results.h"
#include "project_data.h"

namespace nubera {

// Equivalent deformation modulus Em (kN/m2) of the layered ground, a weighted
// harmonic mean of the layer moduli where each layer's weight comes from how a
// B x L rectangle widens through it at 30 degrees:
//   Em = ln[(B + 2H T) L / ((L + 2H T) B)]
//        / sum (1/E_i) ln[(B + 2h_i T)(L + 2h_(i-1) T) / ((L + 2h_i T)(B + 2h_(i-1) T))]
// with T = tan 30 deg, h_i the depth of layer i's bottom (m), H the last depth.
// B = excavation width, L = levee width (m). Stores RoundHalf(Em) in
// results.equivalentModulus and returns it; a sum of exactly 0 gives Em = 0,
// which callers report. Throws EngineError when B or L is not positive, a
// modulus is 0 or a ratio is not positive.
double EquivalentModulus(const ProjectData& project, CalcResults& results, double B, double L);

}  // namespace nubera
