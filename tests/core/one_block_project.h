#pragma once

#include <initializer_list>
#include <optional>

#include "project_data.h"

namespace nubera::testing_support {

// One 5 m layer of Es 6860 under one block: h 2, hy 0.5, unit weight 18
// (q 45), base from 0 with A 5, B 4, C 5 (2a 9, centre 7 m from the
// reference point); excavation 10 m, levee 20 m.
inline ProjectData OneBlockProject() {
    ProjectData project;
    project.excavationWidth = 10;
    project.leveeWidth = 20;
    project.soilLayers = MakeSoilLayerTable();
    project.soilLayers->ResizeRows(1);
    for (std::size_t c = 0; double v : {5.0, 5.0, 6860.0}) {
        project.soilLayers->At(c++, 0) = Cell::Number(v);
    }
    project.fillLoads = MakeFillLoadTable();
    project.fillLoads->ResizeRows(1);
    for (std::size_t c = 0; double v : {2.0, 0.5, 2.5, 18.0, 45.0, 0.0, 5.0, 4.0, 5.0, 9.0, 7.0}) {
        project.fillLoads->At(c++, 0) = Cell::Number(v);
    }
    project.fillLoads->At(11, 0) = Cell::Text("0");
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

}  // namespace nubera::testing_support
