#pragma once

#include <string>
#include <vector>

#include "model/calc_results.h"
#include "model/project_data.h"
#include "spreadsheet/worksheet.h"

namespace nubera::report {

// The reference point's x on the sheet and the widest the bottom block is
// drawn, in points.
inline constexpr double kDiagramOriginX = 150;
inline constexpr double kDiagramMaxWidth = 400;

// A point of interest marked under the section: a red tick and the point's
// label moved beneath it.
struct PointMarker {
    sheet::LineShape tick;
    std::string label;    // LBL_Tyaku0..LBL_Tyaku9, LBL_TyakuA
    std::string caption;  // the circled number
    double left = 0;      // points
    double top = 0;
    std::size_t point = 0;  // k, 0 for ①
};

// The cross-section of the fill blocks as drawn on a summary sheet, in
// points from the sheet's top-left corner: the reference point at x = 150,
// the ground at y = 300, scaled so the bottom block is at most 400 points
// wide and the stack at most 90 high.
struct SectionDiagram {
    std::vector<sheet::LineShape>
        outline;  // four lines per block, bottom block first, then the centre line
    std::vector<PointMarker> markers;
};

// The bottom block's full width and the stack's height, in metres.
double BottomBlockWidth(const FillLoadTable& fill);
double FillStackHeight(const FillLoadTable& fill);

// Adds the trapezoid of fill row j standing on `base` (y, points), `scale`
// points per metre, the reference point at x = `originX`: base, left slope,
// crest, right slope. Returns the y of its crest.
double AddFillBlock(std::vector<sheet::LineShape>& lines, const FillLoadTable& fill, std::size_t j,
                    double base, double scale, double originX);

// Lays the diagram out from the fill blocks and row 0 of the point offsets.
// Blocks without width or height give an empty diagram.
SectionDiagram LayOutSectionDiagram(const ProjectData& project, const CalcResults& results);

// Draws the diagram on a summary sheet. Drawing is an illustration, so a
// failure stops it where it is (what is drawn stays) without failing the
// workbook.
void DrawSectionDiagram(sheet::Worksheet& sheet, const ProjectData& project,
                        const CalcResults& results);

}  // namespace nubera::report
