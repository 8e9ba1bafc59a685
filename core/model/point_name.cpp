#include "model/point_name.h"

#include <stdexcept>

namespace nubera {

std::string CircledNumber(std::size_t number) {
    static const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪"};
    if (number < 1 || number > std::size(kCircled)) {
        throw std::out_of_range("CircledNumber: point " + std::to_string(number) + " is not 1..11");
    }
    return kCircled[number - 1];
}

std::string PointName(std::size_t point) {
    return "着目点" + CircledNumber(point + 1);
}

}  // namespace nubera
