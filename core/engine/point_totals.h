#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "model/calc_results.h"
#include "model/project_data.h"

namespace nubera {

// Each point's result summed over every load of one kind (the fill rows and
// the surcharge when the project has one), in cm: what the summary sheet's
// total column shows. Nothing for a point that is not placed.
std::vector<std::optional<double>> PointTotals(const ProjectData& project,
                                               const std::vector<PointDetail>& loads,
                                               const PointDetail& surcharge);

struct PointTotal {
    std::size_t point;  // k, 0 for ①
    double value;       // cm, with its sign
};

// The total largest in size, the first such point on a tie; nothing when no
// point is placed.
std::optional<PointTotal> LargestTotal(const std::vector<std::optional<double>>& totals);

// The largest positive and the largest negative total (the first point on a
// tie); nothing for a sign that no total has.
struct TotalsBySign {
    std::optional<PointTotal> positive;
    std::optional<PointTotal> negative;
};
TotalsBySign LargestTotalsBySign(const std::vector<std::optional<double>>& totals);

}  // namespace nubera
