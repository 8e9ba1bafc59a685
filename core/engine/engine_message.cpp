#include "engine/engine_message.h"

#include "engine/equivalent_modulus.h"
#include "model/point_name.h"

namespace nubera {

const char* UnusableEmReason(double em) {
    if (UsableModulus(em)) return nullptr;
    if (em == 0) return kEmZeroReason;
    return em > 0 ? kBeyondRangeReason : kEmNotPositiveReason;
}

std::string CannotComputeAt(std::string_view reason, std::string_view load, std::size_t point,
                            std::string_view quantity) {
    return std::string(reason) + "ため、" + std::string(load) + " の" + PointName(point) + "の" +
           std::string(quantity) + "を計算できません。";
}

}  // namespace nubera
