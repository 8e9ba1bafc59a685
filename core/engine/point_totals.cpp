#include "engine/point_totals.h"

#include <cmath>

namespace nubera {

std::vector<std::optional<double>> PointTotals(const ProjectData& project,
                                               const std::vector<PointDetail>& loads,
                                               const PointDetail& surcharge) {
    std::vector<std::optional<double>> totals;
    for (std::size_t k = 0; k < kPointCount; ++k) {
        if (loads.at(0)[k][point_item::kOffset].IsMissing()) {
            totals.emplace_back();
            continue;
        }
        double total = 0;
        for (std::size_t i = 0; i < project.fillLoads->RowCount(); ++i) {
            total += loads.at(i)[k][point_item::kResult].AsNumber();
        }
        if (project.surcharge) total += surcharge[k][point_item::kResult].AsNumber();
        totals.emplace_back(total);
    }
    return totals;
}

std::optional<PointTotal> LargestTotal(const std::vector<std::optional<double>>& totals) {
    std::optional<PointTotal> largest;
    for (std::size_t k = 0; k < totals.size(); ++k) {
        if (totals[k] && (!largest || std::fabs(*totals[k]) > std::fabs(largest->value))) {
            largest = PointTotal{k, *totals[k]};
        }
    }
    return largest;
}

TotalsBySign LargestTotalsBySign(const std::vector<std::optional<double>>& totals) {
    auto ofSign = [&totals](int sign) {
        std::vector<std::optional<double>> kept(totals.size());
        for (std::size_t k = 0; k < totals.size(); ++k) {
            if (totals[k] && *totals[k] * sign > 0) kept[k] = totals[k];
        }
        return LargestTotal(kept);
    };
    return {ofSign(1), ofSign(-1)};
}

}  // namespace nubera
