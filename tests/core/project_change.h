#pragma once

#include <functional>

#include "model/project_data.h"

namespace nubera::test {

// One change to a project, for the tables of cases that start from
// OneBlockProject and move one value.
using ProjectChange = std::function<void(ProjectData&)>;

inline ProjectChange SoilValue(std::size_t column, double value) {
    return [=](ProjectData& p) { p.soilLayers->At(column, 0) = Cell::Number(value); };
}

inline ProjectChange FillValue(std::size_t column, double value) {
    return [=](ProjectData& p) { p.fillLoads->At(column, 0) = Cell::Number(value); };
}

// A surcharge qX on a loading width of 4 m.
inline ProjectChange SurchargeLoad(double qx) {
    return [=](ProjectData& p) {
        p.surcharge = MakeSurchargeTable();
        p.surcharge->ResizeRows(1);
        p.surcharge->At(surcharge_column::kLoad, 0) = Cell::Number(qx);
        p.surcharge->At(surcharge_column::kLoadingWidth, 0) = Cell::Number(4);
    };
}

}  // namespace nubera::test
