#include "engine/run_input_check.h"

#include <cmath>
#include <string>

#include "engine/engine_error.h"
#include "model/point_name.h"
#include "screenrules/fill_load_rules.h"
#include "screenrules/soil_layer_rules.h"
#include "text/number_text.h"

namespace nubera {
namespace {

std::string Quoted(double value) {
    return "(" + FormatNumber(value) + ")";
}

void RequireLength(const std::string& what, double value) {
    if (!(std::fabs(value) <= kMaxLength)) {
        throw EngineError(what + Quoted(value) + "が扱える範囲(±" + FormatNumber(kMaxLength) +
                          "m)を超えています。");
    }
}

void RequireNotNegative(const std::string& what, double value) {
    if (!(value >= 0)) throw EngineError(what + Quoted(value) + "は0以上にしてください。");
}

void RequireRowCount(const std::string& table, std::size_t rows, std::size_t limit,
                     const char* unit) {
    if (rows <= limit) return;
    throw EngineError(table + "が" + std::to_string(rows) + unit + "あります。" +
                      std::to_string(limit) + unit + "以下にしてください。");
}

// Em weighs each layer by its depths: a depth above the one before it, or one
// that is not the sum of the thicknesses down to it, gives a meaningless Em.
// A layer of thickness 0 adds nothing to Em and repeats the depth above it.
// The top layer is compared with the surface only through its thickness: a
// ground of depth 0 is what the Em = 0 message is for.
void CheckLayerDepth(const std::string& layer, std::size_t row, const LayerDepths& depths) {
    if (row > 0 && !DepthFollows(depths)) {
        if (ShownAsZero(depths.thickness)) {
            throw EngineError(
                layer + "深度" + Quoted(depths.depth) + "が上の層の深度" +
                Quoted(depths.depthAbove) +
                "と合いません。層厚が0の層の深度は上の層の深度と同じにしてください。");
        }
        throw EngineError(layer + "深度" + Quoted(depths.depth) + "が上の層の深度" +
                          Quoted(depths.depthAbove) +
                          "より深くありません。深度は上から順に深くしてください。");
    }
    if (!DepthIsThicknessSum(depths)) {
        throw EngineError(layer + "深度" + Quoted(depths.depth) + "が層厚の合計" +
                          Quoted(depths.thicknessSum) +
                          "と合いません。深度は上の層の深度に層厚を足した値にしてください。");
    }
}

void CheckSoilLayers(const SoilLayerTable& layers) {
    RequireRowCount("土質条件", layers.RowCount(), kMaxSoilLayers, "層");
    double depthAbove = 0;
    double thicknessSum = 0;
    for (std::size_t row = 0; row < layers.RowCount(); ++row) {
        const std::string layer = "土質条件の第" + std::to_string(row + 1) + "層の";
        const double thickness = layers.Number(soil_column::kThickness, row);
        const double depth = layers.Number(soil_column::kDepth, row);
        const double modulus = layers.Number(soil_column::kModulus, row);
        RequireLength(layer + "層厚", thickness);
        RequireNotNegative(layer + "層厚", thickness);
        RequireLength(layer + "深度", depth);
        RequireNotNegative(layer + "深度", depth);
        thicknessSum += thickness;
        CheckLayerDepth(layer, row, {thickness, depth, depthAbove, thicknessSum});
        depthAbove = depth;
        if (!(modulus > 0)) {
            throw EngineError(layer + "変形係数Es" + Quoted(modulus) +
                              "は0より大きい値にしてください。");
        }
    }
}

void CheckFillLoads(const FillLoadTable& fill) {
    RequireRowCount("盛土荷重", fill.RowCount(), kMaxFillBlocks, "段");
    static constexpr std::pair<std::size_t, const char*> kLengths[] = {
        {fill_column::kHeight, "h"},
        {fill_column::kExtraHeight, "hy"},
        {fill_column::kTotalHeight, "合計高"},
        {fill_column::kToeDistance, "基準点距離"},
        {fill_column::kLeftSlope, "A"},
        {fill_column::kCrest, "B"},
        {fill_column::kRightSlope, "C"},
        {fill_column::kLoadingWidth, "載荷幅"},
        {fill_column::kCentreDistance, "重心位置"},
        {fill_column::kCentreOffset, "重心のずれ"},
    };
    for (std::size_t row = 0; row < fill.RowCount(); ++row) {
        const std::string block = "盛土荷重 " + FillLoadLabel(row) + " の";
        for (const auto& [column, name] : kLengths)
            RequireLength(block + name, fill.Number(column, row));
        RequireNotNegative(block + "荷重q", fill.Number(fill_column::kLoad, row));
    }
}

void CheckSurcharge(const SurchargeTable& surcharge) {
    const std::string load = std::string("上載荷重 ") + kSurchargeLabel + " の";
    RequireNotNegative(load + "荷重", surcharge.Number(surcharge_column::kLoad, 0));
    RequireLength(load + "載荷幅", surcharge.Number(surcharge_column::kLoadingWidth, 0));
    RequireLength(load + "重心のずれ", surcharge.Number(surcharge_column::kCentreOffset, 0));
}

}  // namespace

void CheckRunInputs(const ProjectData& project) {
    RequireLength("開削幅", project.excavationWidth);
    RequireLength("堤体幅", project.leveeWidth);
    if (project.soilLayers) CheckSoilLayers(*project.soilLayers);
    if (project.fillLoads) CheckFillLoads(*project.fillLoads);
    if (project.surcharge && project.surcharge->RowCount() > 0) CheckSurcharge(*project.surcharge);
    if (!project.focusPoints) return;
    for (std::size_t point = 0; point < kPointCount; ++point) {
        const Cell& slot = (*project.focusPoints)[point];
        if (!slot.IsMissing()) RequireLength(PointName(point) + "の位置", slot.AsNumber());
    }
}

}  // namespace nubera
