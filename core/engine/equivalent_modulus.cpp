#include "engine/equivalent_modulus.h"

#include <cmath>
#include <string>

#include "engine/engine_error.h"
#include "engine/engine_message.h"
#include "model/constants.h"
#include "text/round_half.h"

namespace nubera {
namespace {

const char* const kCannotComputeEm = "ため、Em値(換算変形係数)を計算できません。";

std::string LayerName(std::size_t row) {
    return "土質条件の第" + std::to_string(row + 1) + "層";
}

bool PositiveFinite(double value) {
    return std::isfinite(value) && value > 0;
}

}  // namespace

ModulusSums EquivalentModulusSums(const SoilLayerTable& layers, double B, double L) {
    if (layers.RowCount() == 0) throw EngineError(kSoilLayersMissing);
    if (!PositiveFinite(B)) throw EngineError(std::string("開削幅が0以下の") + kCannotComputeEm);
    if (!PositiveFinite(L)) throw EngineError(std::string("堤体幅が0以下の") + kCannotComputeEm);
    const double T = tanSpread;
    ModulusSums sums;
    double previousDepth = 0;
    for (std::size_t i = 0; i < layers.RowCount(); ++i) {
        double depth = layers.Number(soil_column::kDepth, i);
        double modulus = layers.Number(soil_column::kModulus, i);
        double ratio = ((L + 2 * previousDepth * T) * (B + 2 * depth * T)) /
                       ((B + 2 * previousDepth * T) * (L + 2 * depth * T));
        if (!PositiveFinite(ratio)) {
            throw EngineError(LayerName(i) + "の深度が不正な" + kCannotComputeEm);
        }
        if (modulus == 0) {
            throw EngineError(LayerName(i) + "の変形係数Esが0の" + kCannotComputeEm);
        }
        sums.S = sums.S + std::log(ratio) * (1 / modulus);
        previousDepth = depth;
    }
    double H = layers.Number(soil_column::kDepth, layers.RowCount() - 1);
    double total = (L * (B + 2 * H * T)) / (B * (L + 2 * H * T));
    if (!PositiveFinite(total)) {
        throw EngineError(std::string("土質条件の深度が不正な") + kCannotComputeEm);
    }
    sums.N = std::log(total);
    return sums;
}

double EquivalentModulus(const ProjectData& project, CalcResults& results, double B, double L) {
    if (!project.soilLayers) throw EngineError(kSoilLayersMissing);
    ModulusSums sums = EquivalentModulusSums(*project.soilLayers, B, L);
    double em = sums.S == 0 ? 0 : RoundHalf(sums.N / sums.S);
    if (!std::isfinite(em)) {
        throw EngineError(std::string(kBeyondRangeReason) + kCannotComputeEm);
    }
    results.equivalentModulus = em;
    return em;
}

}  // namespace nubera
