#pragma once

#include <array>
#include <vector>

#include "model/cell.h"
#include "model/project_data.h"

namespace nubera {

// The 13 detail items of every point for one load: [point][item], the items
// named in table_columns.h.
using PointDetail = std::array<std::array<Cell, point_item::kCount>, kPointCount>;

// Offsets of the 11 points from the centre of one load: [point].
using PointOffsetRow = std::array<Cell, kPointCount>;

// The results of one run of one project. Each run starts from empty results
// (RunCalculation), so nothing of an earlier run shows beside them.
struct CalcResults {
    double equivalentModulus = 0;  // Em, kN/m2, 2 decimals

    // [load row][point]; rows 0..F-1 are the fill rows, row F the surcharge.
    std::vector<PointOffsetRow> pointOffsets;

    // [fill row][point][item]
    std::vector<PointDetail> settlementDetail;
    PointDetail surchargeSettlementDetail{};
    std::vector<PointDetail> lateralDetail;
    PointDetail surchargeLateralDetail{};
};

}  // namespace nubera
