#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/figures/section_diagram.h"
#include "spreadsheet/worksheet.h"

namespace nubera::report {

// What the plot shows of one kind of result.
struct PlotSubject {
    std::string title;      // above the plot
    std::string axisTitle;  // above the vertical axis, with its unit
    // The total over every load of each point k, nothing where the point has none.
    std::vector<std::optional<double>> totals;
};

// The band of the summary sheet the plot keeps to, in points from the
// sheet's top: below the section diagram, its point labels and the legend
// of the point positions.
inline constexpr double kPlotBandTop = 360;
inline constexpr double kPlotBandBottom = 590;

// The totals of the points plotted against their x, each point straight
// under its tick of the section diagram (the diagram's horizontal scale),
// with a vertical scale in cm chosen to fill the band: the axis with its
// ticks and values, the zero line, the curve through the points, and each
// point's circled number and value placed where no other text of the plot
// lies, the largest value marked.
struct ResultPlot {
    struct Mark {
        std::size_t point;  // k, 0 for ①
        double x;
        double y;
        std::size_t label;  // its index into texts
    };

    std::vector<sheet::LineShape> lines;
    std::vector<sheet::TextBox> texts;
    std::vector<Mark> marks;  // in the order of the points' x
    double zeroY = 0;         // the zero line
    double pointsPerCm = 0;   // up the sheet
};

// Nothing to plot (no marker with a total) gives an empty plot.
ResultPlot LayOutResultPlot(const SectionDiagram& diagram, const PlotSubject& subject);

// Draws the plot; like the diagram it only illustrates the tables, so a
// failure stops it where it is without failing the workbook.
void DrawResultPlot(sheet::Worksheet& sheet, const ResultPlot& plot);

}  // namespace nubera::report
