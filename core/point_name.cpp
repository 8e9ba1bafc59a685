#include "point_name.h"

namespace nubera {

std::string CircledNumber(std::size_t number) {
    static const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪"};
    return kCircled[number - 1];
}

std::string PointName(std::size_t point) {
    return "着目点" + CircledNumber(point + 1);
}

}  // namespace nubera
