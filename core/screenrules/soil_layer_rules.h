#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/project_data.h"

namespace nubera {

// The soil-conditions screen accepts at most this many layers.
inline constexpr std::size_t kMaxSoilLayers = 20;

// One layer as the soil grid shows it: thickness and depth of the layer's
// bottom formatted "0.00" (m), Es as a plain number (kN/m2).
struct SoilLayerRow {
    std::string thickness;
    std::string depth;
    std::string modulus;

    bool operator==(const SoilLayerRow&) const = default;
};

// The grid texts of a stored table, top layer first.
std::vector<SoilLayerRow> SoilLayerRowsOf(const SoilLayerTable& table);

// The table written at commit: every cell the number its text reads as. The
// depths are taken as shown, not recomputed.
SoilLayerTable BuildSoilLayerTable(const std::vector<SoilLayerRow>& rows);

// The depth text a layer of the given thickness gets at position `row`
// (rows.size() for a layer about to be appended): the depth of the layer
// above it plus the thickness, 0 above the top layer.
std::string LayerDepthText(const std::vector<SoilLayerRow>& rows, std::size_t row,
                           double thickness);

// What a layer's depth is checked against: its own thickness, the depth of
// the layer above it (0 above the top layer) and the sum of the thicknesses
// down to it, all m.
struct LayerDepths {
    double thickness = 0;
    double depth = 0;
    double depthAbove = 0;
    double thicknessSum = 0;
};

// A layer shown with the thickness 0.00: it adds nothing to the ground.
bool ShownAsZero(double thickness);

// The layer lies below the one above it: deeper, or, when its thickness is
// shown as 0.00, at the same depth within kRoundingTolerance.
bool DepthFollows(const LayerDepths& layer);

// The depth is the sum of the thicknesses down to it, within
// kRoundingTolerance (both are kept to two decimals).
bool DepthIsThicknessSum(const LayerDepths& layer);

// Rewrites the depth of every layer from `first` downwards as the depth above
// it plus its own thickness, so depths stay cumulative after an edit or a
// removal.
void RecomputeDepths(std::vector<SoilLayerRow>& rows, std::size_t first);

}  // namespace nubera
