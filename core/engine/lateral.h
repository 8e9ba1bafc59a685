#pragma once

#include <cstddef>

#include "engine/engine_input.h"
#include "engine/strip_load.h"
#include "model/calc_results.h"

namespace nubera {

// The lateral displacement items of one point: the point and load, then the
// terms.
struct LateralPoint {
    PointLoad load;
    double c = 0;             // m, half the excavation width
    double K = 0;             // (1 - 2 nu)(1 + nu) q a / (pi Em), m
    double T1 = 0;            // (c / 2a) ln(((a - x)^2 + c^2) / ((a + x)^2 + c^2))
    double T2 = 0;            // ((a - x)/a) atan(c / (a - x)), 0 where a - x = 0
    double T3 = 0;            // ((a + x)/a) atan(c / (a + x)), 0 where a + x = 0
    double displacement = 0;  // cm, rounded half up to 2 decimals, with its sign
};

// The horizontal displacement, at depth c below the surface beside the
// strip, of a homogeneous elastic ground of modulus Em and Poisson's ratio nu
// under a flexible uniform strip load q of width 2a, at a point x from the
// strip's centre:
//   d = 100 K (T1 + T2 - T3)
// with K and the terms as in LateralPoint: the elastic strip-load
// displacement integrated over the strip's width. x keeps its sign, so the
// displacement changes sign across the strip's centre.
//
// Inputs: Em (kN/m2) > 0, the load's a (m) > 0 and q (kN/m2) >= 0, c (m)
// >= 0, nu from 0.01 to 1.00 (above 0.5 the displacement changes sign), x (m)
// finite. `point` (0 for ①) only names the point in messages.
// Throws EngineError naming the load and point when Em or a is not positive
// (NaN included), or when c = 0 and the point is at the strip's edge.
LateralPoint LateralAt(const StripLoad& load, double em, double c, double nu, std::size_t point,
                       double x);

// Items 0 to 12 of a point's lateral detail row; items 10 and 11 stay missing.
PointItems LateralItems(const LateralPoint& point);

// LateralAt for every placed point of every fill block and the surcharge,
// from the offsets placed by the settlement step, with c = excavation width /
// 2, nu the project's Poisson's ratio and Em results.equivalentModulus; fills
// lateralDetail and surchargeLateralDetail. Throws EngineError as LateralAt
// does, when there are no fill blocks, the points are not placed or a result
// is beyond the range of a double, naming the load and point; rows and
// points computed before the failing one stay written.
void ComputeLateral(const EngineInput& input, CalcResults& results);

}  // namespace nubera
