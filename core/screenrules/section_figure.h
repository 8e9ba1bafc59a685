#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/project_data.h"

namespace nubera {

// How a section is fitted onto a drawing surface, in twips (1/1440 inch) with
// y pointing down: the bottom block's full width fills at most widthBudget and
// the whole stack's height at most heightBudget, the reference point sits at
// x = leftMargin and the ground at y = groundY.
struct SectionLayout {
    double widthBudget;
    double heightBudget;
    double leftMargin;
    double groundY;
    double surfaceWidth;
    double surfaceHeight;
};

// The fill-load screen confirms the blocks on a large drawing; the points
// screen shows the section smaller, with room for the markers below ground.
inline constexpr SectionLayout kFillLoadSectionLayout{12000, 4000, 500, 4500, 13320, 5265};
inline constexpr SectionLayout kFocusPointSectionLayout{7500, 2000, 300, 2200, 8760, 2745};

struct FigureLine {
    enum class Style { Solid, DashDot };
    double x1, y1, x2, y2;
    Style style = Style::Solid;
    bool red = false;

    bool operator==(const FigureLine&) const = default;
};

// A text whose top-left corner is at (x, y).
struct FigureText {
    double x, y;
    std::string text;

    bool operator==(const FigureText&) const = default;
};

// A line drawing of the section in twips, ready to be painted.
struct SectionFigure {
    SectionLayout layout;
    double scale = 0;  // twips per metre; 0 when nothing could be drawn
    std::vector<FigureLine> lines;
    std::vector<FigureText> texts;
};

// The blocks as trapezoids stacked from the ground up, each on the crest level
// of the one below, and the dash-dot centre line of the top block. A bottom
// block without width or a stack without height cannot be scaled and gives an
// empty figure.
SectionFigure DrawSection(const FillLoadTable& fillLoads, const SectionLayout& layout);

// Marks point number index + 1 at section coordinate x (m from the top
// block's centre, which lies centreDistance from the reference point): a red
// tick down from the ground line and its circled number below it. Nothing is
// marked on an empty figure.
void AddPointMarker(SectionFigure& figure, double centreDistance, double x, std::size_t index);

}  // namespace nubera
