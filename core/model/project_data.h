#pragma once

#include <array>
#include <optional>

#include "model/cell_table.h"
#include "model/project_description.h"
#include "model/soil_derivation.h"
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

// The inputs of one project: the desktop program's open project, or each
// project of a batch run. The screens edit copies of its parts; a run reads
// it through EngineInputOf.
struct ProjectData {
    double excavationWidth = 0;  // m
    double leveeWidth = 0;       // m
    std::optional<SoilLayerTable> soilLayers;
    std::optional<FillLoadTable> fillLoads;
    std::optional<SurchargeTable> surcharge;
    std::optional<FocusPointList> focusPoints;
    bool alsoLateral = false;  // false: settlement only; true: lateral displacement too
    double poissonRatio = 0;   // 0 until a run or save has stored it
    // Title, section and sign-off names for the report.
    ProjectDescription description;
    // How the soil layers were read off a boring log, while they still are
    // the layers it describes.
    std::optional<SoilDerivation> soilDerivation;

    bool operator==(const ProjectData&) const = default;
};

// The project's boring derivation while it still describes its soil layers,
// as the report shows it; nullptr otherwise.
inline const SoilDerivation* DescribingDerivation(const ProjectData& project) {
    if (!project.soilLayers || !project.soilDerivation) return nullptr;
    return DescribesLayers(*project.soilDerivation, *project.soilLayers) ? &*project.soilDerivation
                                                                         : nullptr;
}

}  // namespace nubera
