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

PointOffsetRow ManualOffsets(const FocusPointList& points, double d) {
    PointOffsetRow row;
    for (std::size_t i = 0; i < kPointCount; ++i) {
        if (!points[i].IsMissing()) row[i] = Cell::Number(points[i].AsNumber() - d);
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

// The settlement items 1..12 of a point at offset x from the load centre.
PointItems SettlementItems(const StripLoad& load, double em, double H, std::size_t point,
                           double offset) {
    const double a = load.a;
    const double q = load.q;
    if (em == 0) {
        throw EngineError(CannotComputeAt(kEmZeroReason, load.name, point, kQuantity));
    }
    if (!(H > 0)) {
        throw EngineError(
            CannotComputeAt("土質条件の層厚の合計Hが0以下の", load.name, point, kQuantity));
    }
    if (!(a > 0)) {
        throw EngineError(CannotComputeAt(kZeroWidthReason, load.name, point, kQuantity));
    }
    double x = std::fabs(offset);
    double C = a * (-3) * q / (Pi * em);
    double G = std::log(std::sin(std::atan(a / H)));
    double u = x / a + 1;
    double Lu = std::log(u);
    double v = 1 - x / a;
    double Lv = v != 0 ? std::log(std::fabs(v)) : 0;  // v = 0 at the strip's edge
    double s = (1 - (Lu * u + Lv * v) * (0.75 / Pi)) * (G * C) * 100;
    if (s < 0) s = 0;  // far from the strip the formula goes negative
    using namespace point_item;
    PointItems items = LoadItems(load, em);
    items[kDepth] = Cell::Number(H);
    items[kFactorC] = Cell::Number(C);
    items[kFactorG] = Cell::Number(G);
    items[kU] = Cell::Number(u);
    items[kLogU] = Cell::Number(Lu);
    items[kV] = Cell::Number(v);
    items[kLogV] = Cell::Number(Lv);
    items[kResult] = Cell::Number(RoundShown(s));
    return items;
}

void FillSettlement(const StripLoad& load, double em, double H, const PointOffsetRow& offsets,
                    PointDetail& detail) {
    FillPointDetails(load, kQuantity, offsets, detail, [&](std::size_t point, double x) {
        return SettlementItems(load, em, H, point, x);
    });
}

}  // namespace

void PlacePoints(const ProjectData& project, CalcResults& results, Placement placement) {
    const FillLoadTable& fill = RequireFillLoads(project);
    if (placement == Placement::Manual && !project.focusPoints) {
        throw EngineError(kFocusPointsMissing);
    }
    const std::size_t F = fill.RowCount();
    const std::size_t last = F - 1;
    double W = fill.Number(fill_column::kLeftSlope, last) + fill.Number(fill_column::kCrest, last) +
               fill.Number(fill_column::kRightSlope, last);
    double c0 = fill.Number(fill_column::kCentreDistance, 0);
    double s1 = c0 / 5;
    double s2 = (W - c0) / 5;
    auto place = [&](std::size_t row, double d, const std::string& load) {
        results.pointOffsets.resize(row + 1);
        PointOffsetRow offsets = placement == Placement::Automatic
                                     ? AutomaticOffsets(c0, s1, s2, d)
                                     : ManualOffsets(*project.focusPoints, d);
        RequireFiniteOffsets(offsets, load);
        results.pointOffsets[row] = offsets;
    };
    for (std::size_t k = 0; k < F; ++k)
        place(k, fill.Number(fill_column::kCentreOffset, k), FillStrip(fill, k).name);
    if (project.surcharge) {
        StripLoad surcharge = SurchargeStrip(*project.surcharge);
        place(F, surcharge.centreOffset, surcharge.name);
    }
}

void ComputeSettlement(const ProjectData& project, CalcResults& results) {
    const FillLoadTable& fill = RequireFillLoads(project);
    if (!project.soilLayers || project.soilLayers->RowCount() == 0) {
        throw EngineError(kSoilLayersMissing);
    }
    RequirePlacedPoints(project, results);
    const std::size_t F = fill.RowCount();
    const double H =
        project.soilLayers->Number(soil_column::kDepth, project.soilLayers->RowCount() - 1);
    const double em = results.equivalentModulus;
    for (std::size_t k = 0; k < F; ++k) {
        results.settlementDetail.resize(k + 1);
        FillSettlement(FillStrip(fill, k), em, H, results.pointOffsets[k],
                       results.settlementDetail[k]);
    }
    if (project.surcharge) {
        FillSettlement(SurchargeStrip(*project.surcharge), em, H, results.pointOffsets[F],
                       results.surchargeSettlementDetail);
    }
}

void RunSettlementStep(const ProjectData& project, CalcResults& results, Placement placement) {
    PlacePoints(project, results, placement);
    ComputeSettlement(project, results);
}

}  // namespace nubera
