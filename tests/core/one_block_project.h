#pragma once

#include <array>
#include <initializer_list>
#include <optional>

#include "model/calc_results.h"
#include "model/project_data.h"

namespace nubera::test {

// A fill table of one block: the eleven numbers in column order, then the
// centre offset "0" that a single block stores as text.
inline FillLoadTable FillBlock(const std::array<double, 11>& values) {
    FillLoadTable fill = MakeFillLoadTable();
    fill.ResizeRows(1);
    for (std::size_t column = 0; column < values.size(); ++column) {
        fill.At(column, 0) = Cell::Number(values[column]);
    }
    fill.At(fill_column::kCentreOffset, 0) = Cell::Text("0");
    return fill;
}

// h 2, hy 0.5, unit weight 18 (q 45), base from 0 with A 5, B 4, C 5 (2a 9,
// centre 7 m from the reference point).
inline FillLoadTable OneBlock() {
    return FillBlock({2, 0.5, 2.5, 18, 45, 0, 5, 4, 5, 9, 7});
}

// One 5 m layer of Es 6860.
inline SoilLayerTable OneLayer() {
    SoilLayerTable soil = MakeSoilLayerTable();
    soil.ResizeRows(1);
    for (std::size_t column = 0; double value : {5.0, 5.0, 6860.0}) {
        soil.At(column++, 0) = Cell::Number(value);
    }
    return soil;
}

// OneLayer under OneBlock; excavation 10 m, levee 20 m; no surcharge,
// automatic points, settlement only: the project of examples/one-block.nbr.
inline ProjectData OneBlockProject() {
    ProjectData project;
    project.excavationWidth = 10;
    project.leveeWidth = 20;
    project.soilLayers = OneLayer();
    project.fillLoads = OneBlock();
    return project;
}

// Manual points from values; nullopt leaves a slot empty.
inline FocusPointList Points(std::initializer_list<std::optional<double>> values) {
    FocusPointList points;
    std::size_t i = 0;
    for (const auto& v : values) {
        if (v) points[i] = Cell::Number(*v);
        ++i;
    }
    return points;
}

// Item `item` of point `point` in a per-point detail table.
inline double Item(const PointDetail& detail, std::size_t point, std::size_t item) {
    return detail[point][item].AsNumber();
}

}  // namespace nubera::test
