#include "engine/lateral.h"

#include <cmath>

#include "engine/engine_error.h"
#include "engine/engine_message.h"
#include "engine/strip_load.h"
#include "model/constants.h"
#include "text/number_text.h"

namespace nubera {
namespace {

const char* const kQuantity = "側方変位量";

// The displacement items 1..12 of a point at signed offset x from the load
// centre, with c half the excavation width and nu Poisson's ratio.
PointItems LateralItems(const StripLoad& load, double em, double c, double nu, std::size_t point,
                        double x) {
    const double a = load.a;
    const double q = load.q;
    if (em == 0) {
        throw EngineError(CannotComputeAt(kEmZeroReason, load.name, point, kQuantity));
    }
    if (!(a > 0)) {
        throw EngineError(CannotComputeAt(kZeroWidthReason, load.name, point, kQuantity));
    }
    double K = (1 - (nu + nu)) * (nu + 1) * q * a / (Pi * em);
    double R = ((a - x) * (a - x) + c * c) / ((x + a) * (x + a) + c * c);
    if (!(R > 0 && std::isfinite(R))) {
        // Only with c = 0, at a strip edge.
        throw EngineError(
            CannotComputeAt("開削幅が0で着目点が載荷幅の端にある", load.name, point, kQuantity));
    }
    double T1 = c / (a + a) * std::log(R);
    double T2 = a - x == 0 ? 0 : ((a - x) / a) * std::atan(c / (a - x));
    double T3 = x + a == 0 ? 0 : ((x + a) / a) * std::atan(c / (x + a));
    double delta = (T2 + T1 - T3) * K * 100;
    using namespace point_item;
    PointItems items = LoadItems(load, em);
    items[kHalfExcavation] = Cell::Number(c);
    items[kFactorK] = Cell::Number(K);
    items[kTermT1] = Cell::Number(T1);
    items[kTermT2] = Cell::Number(T2);
    items[kTermT3] = Cell::Number(T3);
    items[kResult] = Cell::Number(RoundShown(delta));
    return items;
}

void FillLateral(const StripLoad& load, double em, double c, double nu,
                 const PointOffsetRow& offsets, PointDetail& detail) {
    FillPointDetails(load, kQuantity, offsets, detail, [&](std::size_t point, double x) {
        return LateralItems(load, em, c, nu, point, x);
    });
}

}  // namespace

void ComputeLateral(const ProjectData& project, CalcResults& results) {
    const FillLoadTable& fill = RequireFillLoads(project);
    RequirePlacedPoints(project, results);
    const std::size_t F = fill.RowCount();
    const double c = project.excavationWidth / 2;
    const double nu = project.poissonRatio;
    const double em = results.equivalentModulus;
    for (std::size_t k = 0; k < F; ++k) {
        results.lateralDetail.resize(k + 1);
        FillLateral(FillStrip(fill, k), em, c, nu, results.pointOffsets[k],
                    results.lateralDetail[k]);
    }
    if (project.surcharge) {
        FillLateral(SurchargeStrip(*project.surcharge), em, c, nu, results.pointOffsets[F],
                    results.surchargeLateralDetail);
    }
}

}  // namespace nubera
