#pragma once

#include <cstddef>

#include "engine/engine_input.h"
#include "engine/strip_load.h"
#include "model/calc_results.h"
#include "model/placement.h"

namespace nubera {

// Places the points of interest relative to every load (fill blocks, then the
// surcharge as row F) into results.pointOffsets: automatically five equal
// steps from the reference point to the centre of the top tier and five more
// to the outer end of the bottom tier's base (rounded half up to 2 decimals,
// the centre itself not rounded), or the manual points as they are; each
// offset is the point's position less the load centre's offset (m).
// Throws EngineError when there are no fill blocks (kFillLoadsMissing), no
// manual points with manual placement (kFocusPointsMissing), or an offset
// beyond the range of a double, naming the load and point.
void PlacePoints(const EngineInput& input, CalcResults& results, Placement placement);

// The settlement items of one point: the point and load, then the factors.
struct SettlementPoint {
    PointLoad load;
    double H = 0;           // m, the ground's thickness
    double C = 0;           // -3 a q / (pi Em), m
    double G = 0;           // ln sin(atan(a / H))
    double u = 0;           // 1 + |x|/a
    double logU = 0;        // ln u
    double v = 0;           // 1 - |x|/a
    double logV = 0;        // ln |v|, 0 at the strip's edge where v = 0
    double settlement = 0;  // s, cm, rounded half up to 2 decimals, never negative
};

// The immediate settlement of a homogeneous elastic layer of thickness H and
// modulus Em under a flexible uniform strip load q of width 2a, at a point x
// from the strip's centre (by symmetry only |x| counts):
//   s = 100 C G [1 - 3/(4 pi) (u ln u + v ln|v|)]
// with C, G, u, v as in SettlementPoint: the elastic strip-load settlement
// with the layer's finite thickness entering through G. Far from the strip
// the expression turns negative; the settlement there is 0.
//
// Inputs: Em (kN/m2) > 0, H (m) > 0, the load's a (m) > 0 and q (kN/m2)
// >= 0; x (m) finite. `point` (0 for ①) only names the point in messages.
// Throws EngineError naming the load and point when Em, H or a is not
// positive (NaN included).
SettlementPoint SettlementAt(const StripLoad& load, double em, double H, std::size_t point,
                             double x);

// Items 0 to 12 of a point's settlement detail row.
PointItems SettlementItems(const SettlementPoint& point);

// SettlementAt for every placed point of every fill block and the surcharge,
// with H the depth of the last layer's bottom and Em results.equivalentModulus;
// fills settlementDetail and surchargeSettlementDetail. Throws EngineError as
// SettlementAt does, when there are no fill blocks or layers, the points are
// not placed, or a result is beyond the range of a double, naming the load
// and point; rows and points computed before the failing one stay written.
void ComputeSettlement(const EngineInput& input, CalcResults& results);

// PlacePoints then ComputeSettlement: the settlement step of a run.
void RunSettlementStep(const EngineInput& input, CalcResults& results, Placement placement);

}  // namespace nubera
