#pragma once

#include "model/calc_results.h"
#include "model/placement.h"
#include "model/project_data.h"

namespace nubera {

// Places the points of interest relative to every load (fill rows, then the
// surcharge as row F) into results.pointOffsets: automatically five equal
// steps from the reference point to the centre of fill row 0 and five more to
// the outer end of the bottom tier (rounded to 2 decimals), or the manual
// slots as they are. Throws EngineError when the fill loads are absent, the
// manual points are absent with manual placement, or an offset overflows.
void PlacePoints(const ProjectData& project, CalcResults& results, Placement placement);

// Immediate settlement (cm) of every fill row and the surcharge at every point,
// a uniform strip load q of width 2a on ground of thickness H and modulus Em:
//   s = 100 (-3 a q / (pi Em)) ln sin(atan(a/H))
//       [1 - 3/(4 pi) ((1 + x/a) ln|1 + x/a| + (1 - x/a) ln|1 - x/a|)]
// with x = |offset|; negative results become 0. Fills settlementDetail and
// surchargeSettlementDetail with all 13 items. Throws EngineError, naming the
// load row and point, on a zero loading width, H = 0, Em = 0 or an overflow;
// rows and points computed before the failing one stay written.
void ComputeSettlement(const ProjectData& project, CalcResults& results);

// PlacePoints then ComputeSettlement: the settlement step of a run.
void RunSettlementStep(const ProjectData& project, CalcResults& results, Placement placement);

}  // namespace nubera
