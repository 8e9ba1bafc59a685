#include "engine/lateral.h"

#include <cmath>

#include "engine/engine_error.h"
#include "engine/engine_message.h"
#include "model/constants.h"
#include "text/number_text.h"

namespace nubera {
namespace {

const char* const kQuantity = "側方変位量";

void WriteLateral(const StripLoad& load, double em, double c, double nu,
                  const PointOffsetRow& offsets, PointDetail& detail) {
    WritePointDetails(load, kQuantity, offsets, detail, [&](std::size_t point, double x) {
        return LateralItems(LateralAt(load, em, c, nu, point, x));
    });
}

}  // namespace

LateralPoint LateralAt(const StripLoad& load, double em, double c, double nu, std::size_t point,
                       double x) {
    const double a = load.a;
    const double q = load.q;
    if (const char* reason = UnusableEmReason(em)) {
        throw EngineError(CannotComputeAt(reason, load.name, point, kQuantity));
    }
    if (!(a > 0)) {
        throw EngineError(CannotComputeAt(kZeroWidthReason, load.name, point, kQuantity));
    }
    LateralPoint d{PointLoadOf(load, em, x)};
    d.c = c;
    d.K = (1 - (nu + nu)) * (nu + 1) * q * a / (Pi * em);
    double R = ((a - x) * (a - x) + c * c) / ((x + a) * (x + a) + c * c);
    if (!(R > 0 && std::isfinite(R))) {
        // Only with c = 0, at a strip edge.
        throw EngineError(
            CannotComputeAt("開削幅が0で着目点が載荷幅の端にある", load.name, point, kQuantity));
    }
    d.T1 = c / (a + a) * std::log(R);
    d.T2 = a - x == 0 ? 0 : ((a - x) / a) * std::atan(c / (a - x));
    d.T3 = x + a == 0 ? 0 : ((x + a) / a) * std::atan(c / (x + a));
    d.displacement = RoundShown((d.T2 + d.T1 - d.T3) * d.K * 100);
    return d;
}

PointItems LateralItems(const LateralPoint& point) {
    using namespace lateral_item;
    using point_item::kResult;
    PointItems items = LoadItems(point.load);
    items[kHalfExcavation] = Cell::Number(point.c);
    items[kFactorK] = Cell::Number(point.K);
    items[kTermT1] = Cell::Number(point.T1);
    items[kTermT2] = Cell::Number(point.T2);
    items[kTermT3] = Cell::Number(point.T3);
    items[kResult] = Cell::Number(point.displacement);
    return items;
}

void ComputeLateral(const EngineInput& input, CalcResults& results) {
    const double c = input.excavationWidth / 2;
    const double nu = input.poissonRatio;
    const double em = results.equivalentModulus;
    ForEachStrip(input, results, results.lateralDetail, results.surchargeLateralDetail,
                 [&](const StripLoad& load, const PointOffsetRow& offsets, PointDetail& detail) {
                     WriteLateral(load, em, c, nu, offsets, detail);
                 });
}

}  // namespace nubera
