#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "cp932.h"
#include "project_data.h"
#include "project_file.h"

namespace nubera::testing {

// The bytes of a project file: the lines in code page 932, each ended by CR LF.
inline std::string ProjectFileBytes(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    const auto bytes = Utf8ToCp932(text);
    EXPECT_TRUE(bytes.has_value()) << text;
    return bytes.value_or("");
}

inline const std::filesystem::path& OneBlockExample() {
    static const std::filesystem::path path =
        std::filesystem::path(NUBERA_SOURCE_DIR) / "examples" / "one-block.nbr";
    return path;
}

// The project of the one-block example: one layer, one fill block, no
// surcharge, automatic points, settlement only.
inline ProjectData OneBlockProject() {
    ProjectData project;
    project.excavationWidth = 10;
    project.leveeWidth = 20;
    project.soilLayers = MakeSoilLayerTable();
    project.soilLayers->ResizeRows(1);
    const double soil[] = {5, 5, 6860};
    for (std::size_t column = 0; column < kSoilColumns; ++column) {
        project.soilLayers->At(column, 0) = Cell::Number(soil[column]);
    }
    project.fillLoads = MakeFillLoadTable();
    project.fillLoads->ResizeRows(1);
    const double fill[] = {2, 0.5, 2.5, 18, 45, 0, 5, 4, 5, 9, 7};
    for (std::size_t column = 0; column < 11; ++column) {
        project.fillLoads->At(column, 0) = Cell::Number(fill[column]);
    }
    project.fillLoads->At(11, 0) = Cell::Text("0");
    return project;
}

}  // namespace nubera::testing
