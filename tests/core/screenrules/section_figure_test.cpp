#include "screenrules/section_figure.h"

#include <gtest/gtest.h>

#include "screenrules/fill_load_rules.h"

namespace nubera {
namespace {

using Style = FigureLine::Style;

// The fill table of blocks given as total height, left toe, A, B, C.
FillLoadTable Blocks(std::initializer_list<std::array<double, 5>> rows) {
    std::vector<FillBlock> blocks;
    for (const auto& [total, base, a, b, c] : rows) {
        blocks.push_back({.base = base, .a = a, .b = b, .c = c, .totalHeight = total});
    }
    return BuildFillLoadTable(blocks);
}

TEST(SectionFigure, OneBlockOnTheFillLoadScreen) {
    const SectionFigure figure = DrawSection(Blocks({{2, 0, 2, 6, 2}}), kFillLoadSectionLayout);
    EXPECT_EQ(figure.scale, 1200);
    const std::vector<FigureLine> expected{{500, 4500, 12500, 4500},
                                           {500, 4500, 2900, 2100},
                                           {2900, 2100, 10100, 2100},
                                           {10100, 2100, 12500, 4500},
                                           {6500, 2000, 6500, 4600, Style::DashDot}};
    EXPECT_EQ(figure.lines, expected);
    EXPECT_TRUE(figure.texts.empty());
}

TEST(SectionFigure, MarkerOnThePointsScreen) {
    const FillLoadTable fill = Blocks({{2, 0, 2, 6, 2}});
    SectionFigure figure = DrawSection(fill, kFocusPointSectionLayout);
    EXPECT_EQ(figure.scale, 750);
    AddPointMarker(figure, fill.Number(fill_column::kCentreDistance, 0), 0, 0);
    EXPECT_EQ(figure.lines.back(), (FigureLine{4050, 2200, 4050, 2400, Style::Solid, true}));
    EXPECT_EQ(figure.texts, (std::vector<FigureText>{{4050, 2400, "①"}}));
    EXPECT_EQ(figure.lines[4].x1, 4050);  // x = 0 lies on the centre line
}

TEST(SectionFigure, TallNarrowUpperBlockIsScaledByHeightAndStandsOnTheCrest) {
    const SectionFigure figure =
        DrawSection(Blocks({{6, 3, 1, 2, 1}, {2, 0, 2, 6, 2}}), kFillLoadSectionLayout);
    EXPECT_EQ(figure.scale, 500);  // min(12000 / 10, 4000 / 8)
    // Bottom block first: its crest at 4500 - 2 * 500; the upper base on it.
    EXPECT_EQ(figure.lines[2], (FigureLine{1500, 3500, 4500, 3500}));
    EXPECT_EQ(figure.lines[4], (FigureLine{2000, 3500, 4000, 3500}));
    EXPECT_EQ(figure.lines[6], (FigureLine{2500, 500, 3500, 500}));
    EXPECT_EQ(figure.lines[8], (FigureLine{3000, 400, 3000, 4600, Style::DashDot}));
}

TEST(SectionFigure, UnscalableSectionDrawsNothingAndTakesNoMarkers) {
    const FillLoadTable flat = Blocks({{2, 0, 0, 0, 0}});
    SectionFigure figure = DrawSection(flat, kFocusPointSectionLayout);
    AddPointMarker(figure, 0, 0, 0);
    EXPECT_EQ(figure.scale, 0);
    EXPECT_TRUE(figure.lines.empty());
    EXPECT_TRUE(figure.texts.empty());
    EXPECT_TRUE(DrawSection(Blocks({{0, 0, 2, 6, 2}}), kFillLoadSectionLayout).lines.empty());
}

}  // namespace
}  // namespace nubera
