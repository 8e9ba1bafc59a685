#include "screenrules/soil_layer_rules.h"

#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera {
namespace {

double DepthAbove(const std::vector<SoilLayerRow>& rows, std::size_t row) {
    return row == 0 ? 0 : ReadNumberPrefix(rows[row - 1].depth);
}

}  // namespace

std::vector<SoilLayerRow> SoilLayerRowsOf(const SoilLayerTable& table) {
    std::vector<SoilLayerRow> rows;
    for (std::size_t r = 0; r < table.RowCount(); ++r) {
        rows.push_back({FormatFixed2(table.Number(soil_column::kThickness, r)),
                        FormatFixed2(table.Number(soil_column::kDepth, r)),
                        FormatNumber(table.Number(soil_column::kModulus, r))});
    }
    return rows;
}

SoilLayerTable BuildSoilLayerTable(const std::vector<SoilLayerRow>& rows) {
    SoilLayerTable table = MakeSoilLayerTable();
    table.ResizeRows(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        table.At(soil_column::kThickness, r) = Cell::Number(ReadNumberPrefix(rows[r].thickness));
        table.At(soil_column::kDepth, r) = Cell::Number(ReadNumberPrefix(rows[r].depth));
        table.At(soil_column::kModulus, r) = Cell::Number(ReadNumberPrefix(rows[r].modulus));
    }
    return table;
}

std::string LayerDepthText(const std::vector<SoilLayerRow>& rows, std::size_t row,
                           double thickness) {
    return FormatFixed2(DepthAbove(rows, row) + thickness);
}

bool ShownAsZero(double thickness) {
    return RoundHalf(thickness) == 0;
}

bool DepthFollows(const LayerDepths& layer) {
    if (ShownAsZero(layer.thickness)) return WithinRounding(layer.depth, layer.depthAbove);
    return layer.depth > layer.depthAbove;
}

bool DepthIsThicknessSum(const LayerDepths& layer) {
    return WithinRounding(layer.depth, layer.thicknessSum);
}

void RecomputeDepths(std::vector<SoilLayerRow>& rows, std::size_t first) {
    for (std::size_t r = first; r < rows.size(); ++r) {
        rows[r].depth = LayerDepthText(rows, r, ReadNumberPrefix(rows[r].thickness));
    }
}

}  // namespace nubera
