#pragma once

#include <array>
#include <optional>

#include "model/cell_table.h"
#include "model/table_columns.h"

namespace nubera {

inline constexpr std::size_t kPointCount = 11;

// The tables' columns are named in table_columns.h.
using SoilLayerTable = CellTable;
using FillLoadTable = CellTable;
using SurchargeTable = CellTable;

// Manually placed points of interest: x in the section coordinate (m), whose
// origin is the centre of fill row 0; a missing slot is an empty point.
using FocusPointList = std::array<Cell, kPointCount>;

inline SoilLayerTable MakeSoilLayerTable() {
    return SoilLayerTable(soil_column::kCount);
}
inline FillLoadTable MakeFillLoadTable() {
    return FillLoadTable(fill_column::kCount);
}
inline SurchargeTable MakeSurchargeTable() {
    return SurchargeTable(surcharge_column::kCount);
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
