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

ModulusSums EquivalentModulusSums(const std::vector<SoilLayer>& layers, double B, double L) {
    if (layers.empty()) throw EngineError(kSoilLayersMissing);
    if (!PositiveFinite(B)) throw EngineError(std::string("開削幅が0以下の") + kCannotComputeEm);
    if (!PositiveFinite(L)) throw EngineError(std::string("堤体幅が0以下の") + kCannotComputeEm);
    const double T = tanSpread;
    ModulusSums sums;
    double previousDepth = 0;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        double depth = layers[i].depth;
        double modulus = layers[i].modulus;
        double ratio = ((L + 2 * previousDepth * T) * (B + 2 * depth * T)) /
                       ((B + 2 * previousDepth * T) * (L + 2 * depth * T));
        if (!PositiveFinite(ratio)) {
            throw EngineError(LayerName(i) + "の深度が不正な" + kCannotComputeEm);
        }
        if (!(modulus > 0)) {
            throw EngineError(LayerName(i) + "の変形係数Esが" +
                              (modulus == 0 ? "0の" : kNotPositiveReason) + kCannotComputeEm);
        }
        sums.S = sums.S + std::log(ratio) * (1 / modulus);
        previousDepth = depth;
    }
    double H = layers.back().depth;
    double total = (L * (B + 2 * H * T)) / (B * (L + 2 * H * T));
    if (!PositiveFinite(total)) {
        throw EngineError(std::string("土質条件の深度が不正な") + kCannotComputeEm);
    }
    sums.N = std::log(total);
    return sums;
}

double EquivalentModulus(const std::vector<SoilLayer>& layers, double B, double L) {
    ModulusSums sums = EquivalentModulusSums(layers, B, L);
    double em = sums.S == 0 ? 0 : RoundHalf(sums.N / sums.S);
    if (!std::isfinite(em)) {
        throw EngineError(std::string(kBeyondRangeReason) + kCannotComputeEm);
    }
    return em;
}

}  // namespace nubera
