#include "screenrules/section_figure.h"

#include <algorithm>
#include <cmath>

#include "model/point_name.h"

namespace nubera {
namespace {

// Length of the tick below the ground line, and the overhang of the centre line.
constexpr double kTickLength = 200;
constexpr double kCentreOverhang = 100;

void AddBlock(SectionFigure& figure, const FillLoadTable& fill, std::size_t r, double baseY,
              double topY) {
    const double s = figure.scale;
    const double x0 = fill.Number(fill_column::kToeDistance, r) * s + figure.layout.leftMargin;
    const double crestLeft = x0 + fill.Number(fill_column::kLeftSlope, r) * s;
    const double crestRight = crestLeft + fill.Number(fill_column::kCrest, r) * s;
    const double toe = crestRight + fill.Number(fill_column::kRightSlope, r) * s;
    figure.lines.push_back({x0, baseY, toe, baseY});
    figure.lines.push_back({x0, baseY, crestLeft, topY});
    figure.lines.push_back({crestLeft, topY, crestRight, topY});
    figure.lines.push_back({crestRight, topY, toe, baseY});
}

}  // namespace

SectionFigure DrawSection(const FillLoadTable& fill, const SectionLayout& layout) {
    SectionFigure figure;
    figure.layout = layout;
    if (fill.RowCount() == 0) return figure;
    const std::size_t bottom = fill.RowCount() - 1;
    const double width = fill.Number(fill_column::kLeftSlope, bottom) +
                         fill.Number(fill_column::kCrest, bottom) +
                         fill.Number(fill_column::kRightSlope, bottom);
    double height = 0;
    for (std::size_t r = 0; r < fill.RowCount(); ++r)
        height += fill.Number(fill_column::kTotalHeight, r);
    const double scale = std::min(layout.widthBudget / width, layout.heightBudget / height);
    if (width == 0 || height == 0 || !std::isfinite(scale)) return figure;
    figure.scale = scale;

    double baseY = layout.groundY;
    double topY = baseY;
    for (std::size_t r = bottom + 1; r-- > 0;) {
        topY = baseY - fill.Number(fill_column::kTotalHeight, r) * scale;
        AddBlock(figure, fill, r, baseY, topY);
        baseY = topY;
    }
    const double centreX = fill.Number(fill_column::kCentreDistance, 0) * scale + layout.leftMargin;
    figure.lines.push_back({centreX, topY - kCentreOverhang, centreX,
                            layout.groundY + kCentreOverhang, FigureLine::Style::DashDot});
    return figure;
}

void AddPointMarker(SectionFigure& figure, double centreDistance, double x, std::size_t index) {
    if (figure.scale == 0) return;
    const double markerX = (centreDistance + x) * figure.scale + figure.layout.leftMargin;
    const double groundY = figure.layout.groundY;
    figure.texts.push_back({markerX, groundY + kTickLength, CircledNumber(index + 1)});
    figure.lines.push_back(
        {markerX, groundY, markerX, groundY + kTickLength, FigureLine::Style::Solid, true});
}

}  // namespace nubera
