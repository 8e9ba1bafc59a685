#include "report/figures/ground_figure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace nubera::report {
namespace {

// Fill rows as total height, left toe, slopes and crest, the centre as the
// fill screen computes it; soil layers as thickness and Es.
ProjectData Project(std::initializer_list<std::array<double, 5>> fill,
                    std::initializer_list<std::array<double, 2>> layers) {
    ProjectData project;
    project.excavationWidth = 12;
    project.leveeWidth = 40;
    project.fillLoads = MakeFillLoadTable();
    for (const auto& r : fill) {
        const std::size_t row = project.fillLoads->RowCount();
        project.fillLoads->ResizeRows(row + 1);
        FillLoadTable& table = *project.fillLoads;
        table.At(fill_column::kTotalHeight, row) = Cell::Number(r[0]);
        table.At(fill_column::kToeDistance, row) = Cell::Number(r[1]);
        table.At(fill_column::kLeftSlope, row) = Cell::Number(r[2]);
        table.At(fill_column::kCrest, row) = Cell::Number(r[3]);
        table.At(fill_column::kRightSlope, row) = Cell::Number(r[4]);
        table.At(fill_column::kCentreDistance, row) = Cell::Number(r[1] + (r[2] + r[3] + r[4]) / 2);
    }
    project.soilLayers = MakeSoilLayerTable();
    double depth = 0;
    for (const auto& [thickness, es] : layers) {
        const std::size_t row = project.soilLayers->RowCount();
        project.soilLayers->ResizeRows(row + 1);
        depth += thickness;
        project.soilLayers->At(soil_column::kThickness, row) = Cell::Number(thickness);
        project.soilLayers->At(soil_column::kDepth, row) = Cell::Number(depth);
        project.soilLayers->At(soil_column::kModulus, row) = Cell::Number(es);
    }
    return project;
}

const sheet::TextBox& TextNamed(const GroundFigure& figure, const std::string& name) {
    const auto it = std::ranges::find(figure.texts, name, &sheet::TextBox::name);
    EXPECT_NE(it, figure.texts.end()) << name;
    return *it;
}

bool HasLevelLine(const GroundFigure& figure, double y) {
    return std::ranges::any_of(figure.lines, [&](const sheet::LineShape& line) {
        return std::abs(line.y1 - y) < 1e-9 && std::abs(line.y2 - y) < 1e-9 && line.x2 > line.x1;
    });
}

TEST(GroundFigure, LayersPointsAndScaleBarShareOneScale) {
    const ProjectData project = Project({{1, 2, 1, 2, 1}, {2, 0, 2, 4, 2}}, {{2, 3000}, {6, 9000}});
    CalcResults results;
    results.pointOffsets.resize(1);
    results.pointOffsets[0][0] = Cell::Number(-4);  // the reference point
    results.pointOffsets[0][10] = Cell::Number(4);  // the bottom block's right toe
    const double top = 500;
    const GroundFigure figure = LayOutGroundFigure(project, results, top);
    ASSERT_GT(figure.scale, 0);
    // The ground lies below the fill's height, each layer's bottom at its depth.
    EXPECT_DOUBLE_EQ(figure.groundY, top + 22 + 3 * figure.scale);
    EXPECT_TRUE(HasLevelLine(figure, figure.groundY + 2 * figure.scale));
    EXPECT_TRUE(HasLevelLine(figure, figure.groundY + 8 * figure.scale));
    // Point ① is the reference point and ⑪ the right toe, 8 m apart.
    const double first = TextNamed(figure, "FIG_Point0").left;
    const double last = TextNamed(figure, "FIG_Point10").left;
    EXPECT_NEAR(first + 8, figure.originX, 1e-9);
    EXPECT_NEAR(last - first, 8 * figure.scale, 1e-9);
    EXPECT_EQ(TextNamed(figure, "FIG_X0").text, "-4.00");
    // The bar's metres drawn at the section's scale.
    const sheet::TextBox& zero = TextNamed(figure, "FIG_Scale0");
    const sheet::TextBox& end = TextNamed(figure, "FIG_Scale1");
    const double metres = std::stod(end.text);
    EXPECT_NEAR((end.left + end.width / 2) - (zero.left + zero.width / 2), metres * figure.scale,
                1e-9);
    EXPECT_EQ(TextNamed(figure, "FIG_PlanB").text, "B = 12.00 m");
    EXPECT_EQ(TextNamed(figure, "FIG_PlanC").text, "c = B/2 = 6.00 m");
    EXPECT_EQ(TextNamed(figure, "FIG_Layer1").text, "2：厚さ 6.00 m、Es = 9000 kN/㎡");
}

TEST(GroundFigure, ThinLayersAndLowBlocksKeepTheirCaptionsApart) {
    // Twenty layers of 0.1 m and blocks 0.1 m high: far thinner than a line of text.
    std::vector<std::array<double, 2>> layers(20, {0.1, 1000});
    ProjectData project = Project({{0.1, 1, 1, 1, 1}, {0.1, 0.5, 1, 2, 1}, {0.1, 0, 1, 3, 1}}, {});
    project.soilLayers = Project({{1, 0, 1, 1, 1}}, {}).soilLayers;
    for (const auto& [thickness, es] : layers) {
        const std::size_t row = project.soilLayers->RowCount();
        project.soilLayers->ResizeRows(row + 1);
        project.soilLayers->At(soil_column::kThickness, row) = Cell::Number(thickness);
        project.soilLayers->At(soil_column::kDepth, row) = Cell::Number(0.1 * (row + 1));
        project.soilLayers->At(soil_column::kModulus, row) = Cell::Number(es);
    }
    const GroundFigure figure = LayOutGroundFigure(project, CalcResults{}, 0);
    ASSERT_GT(figure.scale, 0);
    for (const std::string prefix : {"FIG_Layer", "FIG_Load"}) {
        std::vector<double> tops;
        for (const sheet::TextBox& text : figure.texts) {
            if (text.name.starts_with(prefix)) tops.push_back(text.top);
        }
        std::ranges::sort(tops);
        for (std::size_t i = 1; i < tops.size(); ++i) EXPECT_GE(tops[i] - tops[i - 1], 9 - 1e-9);
    }
    // Every caption stays inside the space the sheet keeps for the figure.
    for (const sheet::TextBox& text : figure.texts) {
        EXPECT_LE(text.top + text.height, kGroundFigureHeight) << text.name;
        EXPECT_GE(text.top, 0) << text.name;
    }
}

TEST(GroundFigure, NothingIsDrawnWithoutGroundOrBlocksToScale) {
    EXPECT_EQ(LayOutGroundFigure(Project({{1, 0, 1, 1, 1}}, {}), CalcResults{}, 0).scale, 0);
    EXPECT_EQ(LayOutGroundFigure(Project({{0, 0, 1, 1, 1}}, {{1, 100}}), CalcResults{}, 0).scale,
              0);
    const GroundFigure empty = LayOutGroundFigure(Project({{1, 0, 0, 0, 0}}, {{1, 100}}), {}, 0);
    EXPECT_TRUE(empty.lines.empty() && empty.texts.empty());
}

}  // namespace
}  // namespace nubera::report
