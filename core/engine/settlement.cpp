#include "engine/settlement.h"

#include <cmath>

#include "engine/engine_error.h"
#include "engine/engine_message.h"
#include "engine/strip_load.h"
#include "model/constants.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera {
namespace {

const char* const kQuantity = "即時沈下量";

// Offsets of the automatically placed points from a load centre lying d from
// the centre of fill row 0: five equal steps from the reference point to that
// centre, five more to the outer end of the bottom tier's base.
PointOffsetRow AutomaticOffsets(double c0, double s1, double s2, double d) {
    PointOffsetRow row;
    for (int i = 0; i < 5; ++i) row[i] = Cell::Number(RoundHalf((c0 - i * s1) * (-1) - d));
    row[5] = Cell::Number(0.0 - d);  // 0.0 - d rather than -d: no negative zero
    for (int i = 6; i <= 10; ++i) row[i] = Cell::Number(RoundHalf((i - 5) * s2 - d));
    return row;
}

PointOffsetRow ManualOffsets(const ManualPoints& points, double d) {
    PointOffsetRow row;
    for (std::size_t i = 0; i < kPointCount; ++i) {
        if (points[i]) row[i] = Cell::Number(*points[i] - d);
    }
    return row;
}

void RequireFiniteOffsets(const PointOffsetRow& row, const std::string& load) {
    for (std::size_t p = 0; p < kPointCount; ++p) {
        if (row[p].IsNumber() && !std::isfinite(row[p].AsNumber())) {
            throw EngineError(CannotComputeAt(kBeyondRangeReason, load, p, "位置"));
        }
    }
}

void WriteSettlement(const StripLoad& load, double em, double H, const PointOffsetRow& offsets,
                     PointDetail& detail) {
    WritePointDetails(load, kQuantity, offsets, detail, [&](std::size_t point, double x) {
        return SettlementItems(SettlementAt(load, em, H, point, x));
    });
}

}  // namespace

SettlementPoint SettlementAt(const StripLoad& load, double em, double H, std::size_t point,
                             double x) {
    const double a = load.a;
    const double q = load.q;
    if (const char* reason = UnusableEmReason(em)) {
        throw EngineError(CannotComputeAt(reason, load.name, point, kQuantity));
    }
    if (!(H > 0)) {
        throw EngineError(
            CannotComputeAt("土質条件の層厚の合計Hが0以下の", load.name, point, kQuantity));
    }
    if (!(a > 0)) {
        throw EngineError(CannotComputeAt(kZeroWidthReason, load.name, point, kQuantity));
    }
    SettlementPoint s{PointLoadOf(load, em, x)};
    const double distance = std::fabs(x);
    s.H = H;
    s.C = a * (-3) * q / (Pi * em);
    s.G = std::log(std::sin(std::atan(a / H)));
    s.u = distance / a + 1;
    s.logU = std::log(s.u);
    s.v = 1 - distance / a;
    s.logV = s.v != 0 ? std::log(std::fabs(s.v)) : 0;  // v = 0 at the strip's edge
    double settlement = (1 - (s.logU * s.u + s.logV * s.v) * (0.75 / Pi)) * (s.G * s.C) * 100;
    if (settlement < 0) settlement = 0;  // far from the strip the formula goes negative
    s.settlement = RoundShown(settlement);
    return s;
}

PointItems SettlementItems(const SettlementPoint& point) {
    using namespace settlement_item;
    using point_item::kResult;
    PointItems items = LoadItems(point.load);
    items[kDepth] = Cell::Number(point.H);
    items[kFactorC] = Cell::Number(point.C);
    items[kFactorG] = Cell::Number(point.G);
    items[kU] = Cell::Number(point.u);
    items[kLogU] = Cell::Number(point.logU);
    items[kV] = Cell::Number(point.v);
    items[kLogV] = Cell::Number(point.logV);
    items[kResult] = Cell::Number(point.settlement);
    return items;
}

void PlacePoints(const EngineInput& input, CalcResults& results, Placement placement) {
    const std::vector<FillLoad>& blocks = RequireFillLoads(input);
    if (placement == Placement::Manual && !input.manualPoints) {
        throw EngineError(kFocusPointsMissing);
    }
    const std::size_t F = blocks.size();
    const FillLoad& bottom = blocks.back();
    double W = bottom.leftSlope + bottom.crest + bottom.rightSlope;
    double c0 = blocks.front().centreDistance;
    double s1 = c0 / 5;
    double s2 = (W - c0) / 5;
    auto place = [&](std::size_t row, double d, const std::string& load) {
        results.pointOffsets.resize(row + 1);
        PointOffsetRow offsets = placement == Placement::Automatic
                                     ? AutomaticOffsets(c0, s1, s2, d)
                                     : ManualOffsets(*input.manualPoints, d);
        RequireFiniteOffsets(offsets, load);
        results.pointOffsets[row] = offsets;
    };
    for (std::size_t k = 0; k < F; ++k)
        place(k, blocks[k].centreOffset, FillStrip(blocks[k], k).name);
    if (input.surcharge) {
        StripLoad surcharge = SurchargeStrip(*input.surcharge);
        place(F, surcharge.centreOffset, surcharge.name);
    }
}

void ComputeSettlement(const EngineInput& input, CalcResults& results) {
    RequireFillLoads(input);
    if (input.layers.empty()) throw EngineError(kSoilLayersMissing);
    const double H = input.layers.back().depth;
    const double em = results.equivalentModulus;
    ForEachStrip(input, results, results.settlementDetail, results.surchargeSettlementDetail,
                 [&](const StripLoad& load, const PointOffsetRow& offsets, PointDetail& detail) {
                     WriteSettlement(load, em, H, offsets, detail);
                 });
}

void RunSettlementStep(const EngineInput& input, CalcResults& results, Placement placement) {
    PlacePoints(input, results, placement);
    ComputeSettlement(input, results);
}

}  // namespace nubera
