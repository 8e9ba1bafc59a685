#include "engine_message.h"

namespace nubera {

std::string PointName(std::size_t point) {
    // The circled digits U+2460..U+246A are three UTF-8 bytes each, in order.
    std::string circled = "①";
    circled[2] = static_cast<char>(static_cast<unsigned char>(circled[2]) + point);
    return "着目点" + circled;
}

std::string CannotComputeAt(std::string_view reason, std::string_view load, std::size_t point,
                            std::string_view quantity) {
    return std::string(reason) + "ため、" + std::string(load) + " の" + PointName(point) + "の" +
           std::string(quantity) + "を計算できません。";
}

}  // namespace nubera
