#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/design_results.h"

namespace nubera {

// The workspace's table of the eleven points as texts: one row per point
// (①..⑪), the values formatted "0.00", empty where a point is not placed.
struct DesignTable {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

// Without kept results: the point, x, the total settlement and lateral
// displacement (when it was computed), then each load's settlement and each
// load's lateral displacement. With kept
// results (a computed run kept for comparison): the point, x now and kept,
// and for each quantity computed in either run the total now, kept, and the
// difference now − kept.
DesignTable MakeDesignTable(const DesignResults& current, const DesignResults* kept);

// now − kept when both exist.
std::optional<double> Difference(std::optional<double> now, std::optional<double> kept);

// "Em = 1234.56 kN/m2", with the kept Em and the difference when comparing.
std::string ModulusLine(const DesignResults& current, const DesignResults* kept);

}  // namespace nubera
