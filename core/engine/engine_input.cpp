#include "engine/engine_input.h"

namespace nubera {
namespace {

std::vector<SoilLayer> LayersOf(const std::optional<SoilLayerTable>& table) {
    std::vector<SoilLayer> layers;
    if (!table) return layers;
    for (std::size_t row = 0; row < table->RowCount(); ++row) {
        layers.push_back(
            {table->Number(soil_column::kDepth, row), table->Number(soil_column::kModulus, row)});
    }
    return layers;
}

std::vector<FillLoad> FillLoadsOf(const std::optional<FillLoadTable>& table) {
    std::vector<FillLoad> blocks;
    if (!table) return blocks;
    for (std::size_t row = 0; row < table->RowCount(); ++row) {
        using namespace fill_column;
        blocks.push_back({table->Number(kLoad, row), table->Number(kLoadingWidth, row),
                          table->Number(kCentreOffset, row), table->Number(kCentreDistance, row),
                          table->Number(kLeftSlope, row), table->Number(kCrest, row),
                          table->Number(kRightSlope, row)});
    }
    return blocks;
}

std::optional<Surcharge> SurchargeOf(const std::optional<SurchargeTable>& table) {
    if (!table || table->RowCount() == 0) return std::nullopt;
    using namespace surcharge_column;
    return Surcharge{table->Number(kLoad, 0), table->Number(kLoadingWidth, 0),
                     table->Number(kCentreOffset, 0)};
}

std::optional<ManualPoints> PointsOf(const std::optional<FocusPointList>& slots) {
    if (!slots) return std::nullopt;
    ManualPoints points;
    for (std::size_t p = 0; p < kPointCount; ++p) {
        if (!(*slots)[p].IsMissing()) points[p] = (*slots)[p].AsNumber();
    }
    return points;
}

}  // namespace

EngineInput EngineInputOf(const ProjectData& project) {
    return {project.excavationWidth,
            project.leveeWidth,
            LayersOf(project.soilLayers),
            FillLoadsOf(project.fillLoads),
            SurchargeOf(project.surcharge),
            PointsOf(project.focusPoints),
            project.poissonRatio};
}

}  // namespace nubera
