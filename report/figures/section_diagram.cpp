#include "report/figures/section_diagram.h"

#include <algorithm>
#include <cmath>

#include "report/text/report_text.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::report {
namespace {

constexpr double kOriginX = kDiagramOriginX;  // the reference point
constexpr double kGroundY = 300;              // base of the bottom block
constexpr double kMaxWidth = kDiagramMaxWidth;
constexpr double kMaxHeight = 90;  // of the whole stack
constexpr double kCentreLineOverhang = 5;
constexpr double kTickLength = 10;

// Fill table columns the diagram reads.
constexpr std::size_t kColTotalHeight = 2;
constexpr std::size_t kColLeftToe = 5;
constexpr std::size_t kColSlope1 = 6;
constexpr std::size_t kColCrest = 7;
constexpr std::size_t kColSlope2 = 8;
constexpr std::size_t kColCentre = 10;

// Points per metre, or 0 when the blocks have no width or height to scale.
double Scale(const FillLoadTable& fill) {
    const double width = BottomBlockWidth(fill);
    const double height = FillStackHeight(fill);
    const double scale = std::min(kMaxWidth / width, kMaxHeight / height);
    return width > 0 && height > 0 && std::isfinite(scale) ? scale : 0;
}

// A line in the sheet's default style.
sheet::LineShape PlainLine(double x1, double y1, double x2, double y2) {
    return {x1, y1, x2, y2, sheet::DashStyle::SheetDefault, std::nullopt};
}

std::string TickLabelName(std::size_t k) {
    return k < 10 ? "LBL_Tyaku" + std::to_string(k) : std::string("LBL_TyakuA");
}

std::vector<PointMarker> LayOutMarkers(const FillLoadTable& fill, const CalcResults& results,
                                       double scale) {
    std::vector<PointMarker> markers;
    if (results.pointOffsets.empty()) {
        return markers;
    }
    const double centre = std::abs(fill.Number(kColCentre, 0));
    for (std::size_t k = 0; k < kPointCount; ++k) {
        const Cell& offset = results.pointOffsets[0][k];
        if (offset.IsMissing()) {
            continue;
        }
        const double x = (centre + offset.AsNumber()) * scale + kOriginX;
        const double tickEnd = kGroundY + kTickLength;
        markers.push_back(
            {{x, kGroundY, x, tickEnd, sheet::DashStyle::Solid, sheet::PaletteColor::Red},
             TickLabelName(k),
             CircledNumber(k + 1),
             x,
             tickEnd,
             k});
    }
    return markers;
}

}  // namespace

double BottomBlockWidth(const FillLoadTable& fill) {
    const std::size_t bottom = fill.RowCount() - 1;
    return fill.Number(kColSlope1, bottom) + fill.Number(kColCrest, bottom) +
           fill.Number(kColSlope2, bottom);
}

double FillStackHeight(const FillLoadTable& fill) {
    double height = 0;
    for (std::size_t j = 0; j < fill.RowCount(); ++j) {
        height += fill.Number(kColTotalHeight, j);
    }
    return height;
}

double AddFillBlock(std::vector<sheet::LineShape>& lines, const FillLoadTable& fill, std::size_t j,
                    double base, double scale, double originX) {
    const double x0 = fill.Number(kColLeftToe, j) * scale + originX;
    const double a = fill.Number(kColSlope1, j) * scale;
    const double b = fill.Number(kColCrest, j) * scale;
    const double c = fill.Number(kColSlope2, j) * scale;
    const double top = base - fill.Number(kColTotalHeight, j) * scale;
    lines.push_back(PlainLine(x0, base, x0 + a + b + c, base));
    lines.push_back(PlainLine(x0, base, x0 + a, top));
    lines.push_back(PlainLine(x0 + a, top, x0 + a + b, top));
    lines.push_back(PlainLine(x0 + a + b, top, x0 + a + b + c, base));
    return top;
}

SectionDiagram LayOutSectionDiagram(const ProjectData& project, const CalcResults& results) {
    SectionDiagram diagram;
    if (!project.fillLoads || project.fillLoads->RowCount() == 0) {
        return diagram;
    }
    const FillLoadTable& fill = *project.fillLoads;
    const double scale = Scale(fill);
    if (scale == 0) {
        return diagram;
    }
    double base = kGroundY;
    for (std::size_t j = fill.RowCount(); j-- > 0;) {
        base = AddFillBlock(diagram.outline, fill, j, base, scale, kOriginX);
    }
    const double centreX = fill.Number(kColCentre, 0) * scale + kOriginX;
    diagram.outline.push_back({centreX, base - kCentreLineOverhang, centreX,
                               kGroundY + kCentreLineOverhang, sheet::DashStyle::LongDashDot,
                               std::nullopt});
    diagram.markers = LayOutMarkers(fill, results, scale);
    return diagram;
}

void DrawSectionDiagram(sheet::Worksheet& sheet, const ProjectData& project,
                        const CalcResults& results) {
    const SectionDiagram diagram = LayOutSectionDiagram(project, results);
    try {
        for (const sheet::LineShape& line : diagram.outline) {
            sheet.AddLine(line);
        }
        for (const PointMarker& marker : diagram.markers) {
            sheet.AddLine(marker.tick);
            sheet.MoveLabel(marker.label, marker.left, marker.top);
            sheet.SetLabelCaption(marker.label, marker.caption);
        }
    } catch (const sheet::SpreadsheetError&) {
        // The diagram only illustrates the tables; what is drawn stays.
    }
}

}  // namespace nubera::report
