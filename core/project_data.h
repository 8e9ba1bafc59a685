#pragma once

#include <array>
#include <optional>

#include "cell_table.h"

namespace nubera {

// Column counts of the project's tables.
inline constexpr std::size_t kSoilColumns = 3;
inline constexpr std::size_t kFillColumns = 12;
inline constexpr std::size_t kSurchargeColumns = 3;
inline constexpr std::size_t kPointCount = 11;

// Soil layers, top layer in row 0: 0 thickness (m), 1 depth of the layer's
// bottom (m, cumulative), 2 deformation modulus Es (kN/m2).
using SoilLayerTable = CellTable;

// Fill-load blocks, top tier in row 0: 0 h, 1 hy, 2 h + hy (m), 3 unit weight
// (kN/m3), 4 load q (kN/m2), 5 distance of the left toe from the reference
// point, 6 A, 7 B, 8 C (m), 9 loading width 2a, 10 centre from the reference
// point, 11 centre offset from the centre of row 0 (m; the text "0" for one row).
using FillLoadTable = CellTable;

// The surcharge, one row: 0 qX (kN/m2), 1 loading width (m), 2 centre offset
// from the centre of fill row 0 (m; the text "0" when there is one fill row).
using SurchargeTable = CellTable;

// Manually placed points of interest: x in the section coordinate (m), whose
// origin is the centre of fill row 0; a missing slot is an empty point.
using FocusPointList = std::array<Cell, kPointCount>;

inline SoilLayerTable MakeSoilLayerTable() {
    return SoilLayerTable(kSoilColumns);
}
inline FillLoadTable MakeFillLoadTable() {
    return FillLoadTable(kFillColumns);
}
inline SurchargeTable MakeSurchargeTable() {
    return SurchargeTable(kSurchargeColumns);
}

// The inputs of the one open project. Exactly one instance exists while the
// program runs; every screen and the engine get it by reference.
struct ProjectData {
    double excavationWidth = 0;  // m
    double leveeWidth = 0;       // m
    std::optional<SoilLayerTable> soilLayers;
    std::optional<FillLoadTable> fillLoads;
    std::optional<SurchargeTable> surcharge;
    std::optional<FocusPointList> focusPoints;
    bool alsoLateral = false;  // false: settlement only; true: lateral displacement too
    double poissonRatio = 0;   // 0 until a run or save has stored it

    bool operator==(const ProjectData&) const = default;
};

}  // namespace nubera
