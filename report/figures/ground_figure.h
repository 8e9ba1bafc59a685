#pragma once

#include <vector>

#include "model/calc_results.h"
#include "model/project_data.h"
#include "spreadsheet/worksheet.h"

namespace nubera::report {

// The space the figure takes on the input sheet, from the top of the rows
// kept for it, in points.
inline constexpr double kGroundFigureHeight = 300;

// The ground and the loads drawn for the input sheet, in points from the
// sheet's top-left corner: the cross-section to one scale in both directions
// (the fill blocks, the surcharge, the soil layers with their thickness and
// Es, the points with their x and a scale bar) and beside it a plan of the
// B × L area that the equivalent modulus spreads the load over.
struct GroundFigure {
    double scale = 0;  // points per metre of the section; 0 when nothing is drawn
    double groundY = 0;
    double originX = 0;  // the reference point
    std::vector<sheet::LineShape> lines;
    std::vector<sheet::TextBox> texts;
};

// Lays the figure out with its top at `top`. A project without fill blocks
// of some width and height, or without soil layers, gives an empty figure.
GroundFigure LayOutGroundFigure(const ProjectData& project, const CalcResults& results, double top);

// Draws the figure. It illustrates the tables above it, so a failure stops
// it where it is without failing the workbook.
void DrawGroundFigure(sheet::Worksheet& sheet, const GroundFigure& figure);

}  // namespace nubera::report
