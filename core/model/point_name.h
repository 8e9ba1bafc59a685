#pragma once

#include <cstddef>
#include <string>

namespace nubera {

// "①" to "⑪" for 1 to 11; std::out_of_range for any other number.
std::string CircledNumber(std::size_t number);

// "着目点①" .. "着目点⑪" for points 0..10.
std::string PointName(std::size_t point);

}  // namespace nubera
