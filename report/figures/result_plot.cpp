#include "report/figures/result_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <optional>
#include <string_view>
#include <utility>

#include "model/point_name.h"
#include "report/figures/figure_text.h"
#include "spreadsheet/spreadsheet_error.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera::report {
namespace {

// The band from the top: the title, the axis's title, then the curve, with
// room above and below it for the points' labels.
constexpr double kTitleHeight = 14;
constexpr double kTextHeight = kFigureTextHeight;
constexpr double kAxisTitleTop = kPlotBandTop + kTitleHeight + 4;
constexpr double kCurveTop = kAxisTitleTop + kTextHeight + 16;
constexpr double kCurveBottom = kPlotBandBottom - 36;

constexpr double kTitleFontSize = 9;
constexpr double kFontSize = 8;
// The label and tick texts' font, that of the template's labels.

constexpr double kAxisGap = 40;  // from the leftmost point to the axis: room for its label
constexpr double kTickLength = 3;
constexpr double kTickTextWidth = 40;
constexpr double kTickTextGap = 2;
constexpr double kMinAxisX = kTickLength + kTickTextGap + kTickTextWidth + 4;
constexpr double kRightOverhang = 10;  // of the zero line past the last point
constexpr double kLabelGap = 3;        // between a point and its label, clear of its cross
constexpr double kMarkHalfSize = 2.5;  // of the cross on each point
constexpr int kTargetTicks = 4;
// A label further than this from its point is joined to it by a leader line.
constexpr double kLeaderDistance = 8;
constexpr int kLabelLevels = 8;  // rows of labels tried above and below a point
// A label touching a line along its edge is not struck by it.
constexpr double kStrikeInset = 0.5;

constexpr const char* kXAxisTitle = "x (m)";

using sheet::DashStyle;
using sheet::PaletteColor;

struct Box {
    double left, top, right, bottom;

    bool Overlaps(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

Box BoxOf(const sheet::TextBox& text) {
    return {text.left, text.top, text.left + text.width, text.top + text.height};
}

// Whether the line passes through the inside of the box (clipped to it, as
// Liang and Barsky clip a line to a rectangle).
bool Strikes(const sheet::LineShape& line, const Box& box) {
    const Box inside{box.left + kStrikeInset, box.top + kStrikeInset, box.right - kStrikeInset,
                     box.bottom - kStrikeInset};
    const double dx = line.x2 - line.x1;
    const double dy = line.y2 - line.y1;
    const double edges[4][2] = {{-dx, line.x1 - inside.left},
                                {dx, inside.right - line.x1},
                                {-dy, line.y1 - inside.top},
                                {dy, inside.bottom - line.y1}};
    double enter = 0;
    double leave = 1;
    for (const auto& [p, q] : edges) {
        if (p == 0) {
            if (q < 0) return false;
            continue;
        }
        const double t = q / p;
        if (p < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    return enter < leave;
}

// The point of the box nearest to (x, y).
std::pair<double, double> NearestOn(const Box& box, double x, double y) {
    return {std::clamp(x, box.left, box.right), std::clamp(y, box.top, box.bottom)};
}

double DistanceTo(const Box& box, double x, double y) {
    const auto [nx, ny] = NearestOn(box, x, y);
    return std::hypot(nx - x, ny - y);
}

// The boxes by their distance from (x, y), equally near ones in their order.
// Each distance is worked out once, not at every comparison.
std::vector<sheet::TextBox> NearestFirst(std::vector<sheet::TextBox> boxes, double x, double y) {
    std::vector<std::pair<double, std::size_t>> order;
    order.reserve(boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        order.emplace_back(DistanceTo(BoxOf(boxes[i]), x, y), i);
    }
    std::ranges::sort(order);
    std::vector<sheet::TextBox> nearestFirst;
    nearestFirst.reserve(boxes.size());
    for (const auto& [distance, i] : order) nearestFirst.push_back(std::move(boxes[i]));
    return nearestFirst;
}

// From the axis's lowest to its highest value in whole steps, spread over the
// curve's height.
struct Scale {
    double low = 0;
    double high = 1;
    double step = 1;

    double PointsPerCm() const { return (kCurveBottom - kCurveTop) / (high - low); }
    double Y(double value) const { return kCurveBottom - (value - low) * PointsPerCm(); }
};

Scale ChooseScale(const std::vector<double>& values) {
    const auto [smallest, largest] = std::ranges::minmax(values);
    const double low = std::min(0.0, smallest);
    const double high = std::max(0.0, largest);
    Scale scale;
    if (!(high - low > 0)) return scale;  // all zero: 0 to 1 cm
    scale.step = NiceStep((high - low) / kTargetTicks);
    scale.low = std::floor(low / scale.step + 1e-9) * scale.step;
    scale.high = std::ceil(high / scale.step - 1e-9) * scale.step;
    return scale;
}

std::string TickText(double value, double step) {
    const int decimals = step >= 1 ? 0 : step >= 0.1 ? 1 : 2;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value == 0 ? 0.0 : value);
    return text;
}

struct PlottedPoint {
    std::size_t point;
    double x;
    double value;
};

class PlotBuilder {
  public:
    PlotBuilder(const PlotSubject& subject, std::vector<PlottedPoint> points)
        : subject_(subject), points_(std::move(points)) {
        std::vector<double> values;
        for (const PlottedPoint& p : points_) values.push_back(p.value);
        scale_ = ChooseScale(values);
        const double leftmost = std::ranges::min(points_, {}, &PlottedPoint::x).x;
        const double rightmost = std::ranges::max(points_, {}, &PlottedPoint::x).x;
        axisX_ = std::max(kMinAxisX, std::min(kDiagramOriginX, leftmost) - kAxisGap);
        right_ = std::max(kDiagramOriginX + kDiagramMaxWidth, rightmost + kRightOverhang);
        plot_.zeroY = scale_.Y(0);
        plot_.pointsPerCm = scale_.PointsPerCm();
    }

    ResultPlot Build() {
        AddFrame();
        AddCurve();
        AddPointLabels();
        return std::move(plot_);
    }

  private:
    void AddFixedText(sheet::TextBox text) {
        taken_.push_back(BoxOf(text));
        plot_.texts.push_back(std::move(text));
    }

    void AddFrame() {
        AddFixedText(FigureText("PLT_Title", subject_.title, axisX_, kPlotBandTop, right_ - axisX_,
                                kTitleFontSize, sheet::TextAlignment::Left, true));
        const double captionWidth = TextWidth(subject_.axisTitle, kFontSize) + 4;
        AddFixedText(FigureText("PLT_Axis", subject_.axisTitle, axisX_ - captionWidth / 2,
                                kAxisTitleTop, captionWidth, kFontSize,
                                sheet::TextAlignment::Center));
        plot_.lines.push_back(
            {axisX_, kCurveTop, axisX_, kCurveBottom, DashStyle::Solid, std::nullopt});
        plot_.lines.push_back(
            {axisX_, plot_.zeroY, right_, plot_.zeroY, DashStyle::Solid, std::nullopt});
        const double xCaptionWidth = TextWidth(kXAxisTitle, kFontSize) + 4;
        AddFixedText(FigureText("PLT_XAxis", kXAxisTitle, right_ - xCaptionWidth, plot_.zeroY + 2,
                                xCaptionWidth, kFontSize, sheet::TextAlignment::Right));
        const int ticks = static_cast<int>(std::lround((scale_.high - scale_.low) / scale_.step));
        for (int i = 0; i <= ticks; ++i) {
            const double value = scale_.low + i * scale_.step;
            const double y = scale_.Y(value);
            plot_.lines.push_back(
                {axisX_ - kTickLength, y, axisX_, y, DashStyle::Solid, std::nullopt});
            const double textRight = axisX_ - kTickLength - kTickTextGap;
            AddFixedText(FigureText("PLT_Tick" + std::to_string(i), TickText(value, scale_.step),
                                    textRight - kTickTextWidth, y - kTextHeight / 2, kTickTextWidth,
                                    kFontSize, sheet::TextAlignment::Right));
        }
    }

    void AddCurve() {
        std::ranges::stable_sort(points_, {}, &PlottedPoint::x);
        for (const PlottedPoint& p : points_) {
            const double y = scale_.Y(p.value);
            if (!plot_.marks.empty()) {
                const ResultPlot::Mark& last = plot_.marks.back();
                plot_.lines.push_back(
                    {last.x, last.y, p.x, y, DashStyle::Solid, PaletteColor::Blue});
            }
            plot_.lines.push_back({p.x, plot_.zeroY, p.x, y, DashStyle::SystemDot, std::nullopt});
            plot_.lines.push_back({p.x - kMarkHalfSize, y - kMarkHalfSize, p.x + kMarkHalfSize,
                                   y + kMarkHalfSize, DashStyle::Solid, PaletteColor::Blue});
            plot_.lines.push_back({p.x - kMarkHalfSize, y + kMarkHalfSize, p.x + kMarkHalfSize,
                                   y - kMarkHalfSize, DashStyle::Solid, PaletteColor::Blue});
            plot_.marks.push_back({p.point, p.x, y, 0});
        }
    }

    // The largest value first, so it gets the place next to its point; no
    // maximum is named when every value is zero.
    void AddPointLabels() {
        std::vector<std::size_t> bySize(points_.size());
        std::iota(bySize.begin(), bySize.end(), std::size_t{0});
        std::ranges::stable_sort(bySize, std::greater<>(),
                                 [&](std::size_t i) { return std::fabs(points_[i].value); });
        for (std::size_t i : bySize) {
            const PlottedPoint& p = points_[i];
            const bool largest = i == bySize.front() && p.value != 0;
            std::string text = CircledNumber(p.point + 1) + " " + FormatFixed2(RoundHalf(p.value));
            if (largest) text += "（最大）";
            plot_.marks[i].label = plot_.texts.size();
            sheet::TextBox label = PlaceLabel(p, std::move(text), largest);
            if (largest) {
                largest_ = BoxOf(label);
                largestAbove_ = label.top + label.height <= scale_.Y(p.value);
            }
            AddLeaderIfMoved(p, BoxOf(label));
            AddFixedText(std::move(label));
        }
    }

    // Where a label may go: inside the band, on no other text, struck by no
    // line, and never above the largest value's label (below it, when that
    // one hangs below a negative value).
    bool Allowed(const Box& area) const {
        if (area.top < kAxisTitleTop || area.bottom > kPlotBandBottom || area.left < axisX_ ||
            area.right > right_ + kRightOverhang) {
            return false;
        }
        if (largest_ &&
            (largestAbove_ ? area.top < largest_->top : area.bottom > largest_->bottom)) {
            return false;
        }
        return std::ranges::none_of(taken_, [&](const Box& t) { return t.Overlaps(area); }) &&
               std::ranges::none_of(plot_.lines,
                                    [&](const sheet::LineShape& l) { return Strikes(l, area); });
    }

    // A leader from a far label to its point may cross no other text.
    bool LeaderAllowed(const PlottedPoint& p, const Box& area) const {
        if (DistanceTo(area, p.x, scale_.Y(p.value)) <= kLeaderDistance) return true;
        const sheet::LineShape leader = LeaderTo(p, area);
        return std::ranges::none_of(taken_, [&](const Box& t) { return Strikes(leader, t); });
    }

    sheet::LineShape LeaderTo(const PlottedPoint& p, const Box& area) const {
        const double y = scale_.Y(p.value);
        const auto [nx, ny] = NearestOn(area, p.x, y);
        const double length = std::hypot(nx - p.x, ny - y);
        const double start = std::min(1.0, (kMarkHalfSize + 1) / length);
        return {p.x + (nx - p.x) * start, y + (ny - y) * start, nx, ny,
                DashStyle::Solid,         std::nullopt};
    }

    void AddLeaderIfMoved(const PlottedPoint& p, const Box& area) {
        if (DistanceTo(area, p.x, scale_.Y(p.value)) > kLeaderDistance) {
            plot_.lines.push_back(LeaderTo(p, area));
        }
    }

    // The places tried for a label, nearest to its point first: above or
    // below it (on the side its value points to first), then shifted along,
    // beside it, and rows further away.
    std::vector<sheet::TextBox> Candidates(const PlottedPoint& p, const std::string& text,
                                           bool bold) const {
        const double width = TextWidth(text, kFontSize) + 2;
        const double y = scale_.Y(p.value);
        auto box = [&](double left, double top) {
            return FigureText("PLT_Point" + std::to_string(p.point), text, left, top, width,
                              kFontSize, sheet::TextAlignment::Center, bold);
        };
        std::vector<sheet::TextBox> boxes;
        const bool preferAbove = p.value >= 0;
        for (int level = 0; level < kLabelLevels; ++level) {
            for (bool above : {preferAbove, !preferAbove}) {
                const double top = above ? y - kLabelGap - kTextHeight * (level + 1)
                                         : y + kLabelGap + kTextHeight * level;
                for (double shift : {0.0, 0.5, -0.5, 1.0, -1.0}) {
                    boxes.push_back(box(p.x - width / 2 + shift * (width + kLabelGap), top));
                }
            }
        }
        boxes.push_back(box(p.x + kMarkHalfSize + kLabelGap, y - kTextHeight / 2));
        boxes.push_back(box(p.x - kMarkHalfSize - kLabelGap - width, y - kTextHeight / 2));
        return NearestFirst(std::move(boxes), p.x, y);
    }

    // The nearest place allowed, else right next to the point.
    sheet::TextBox PlaceLabel(const PlottedPoint& p, std::string text, bool bold) {
        const std::vector<sheet::TextBox> candidates = Candidates(p, text, bold);
        for (const sheet::TextBox& box : candidates) {
            const Box area = BoxOf(box);
            if (Allowed(area) && LeaderAllowed(p, area)) return box;
        }
        return candidates.front();
    }

    const PlotSubject& subject_;
    std::vector<PlottedPoint> points_;
    Scale scale_;
    double axisX_ = 0;
    double right_ = 0;
    std::vector<Box> taken_;
    std::optional<Box> largest_;  // the largest value's label
    bool largestAbove_ = true;
    ResultPlot plot_;
};

}  // namespace

ResultPlot LayOutResultPlot(const SectionDiagram& diagram, const PlotSubject& subject) {
    std::vector<PlottedPoint> points;
    for (const PointMarker& marker : diagram.markers) {
        if (marker.point < subject.totals.size() && subject.totals[marker.point]) {
            points.push_back({marker.point, marker.left, *subject.totals[marker.point]});
        }
    }
    if (points.empty()) return {};
    return PlotBuilder(subject, std::move(points)).Build();
}

void DrawResultPlot(sheet::Worksheet& sheet, const ResultPlot& plot) {
    try {
        for (const sheet::LineShape& line : plot.lines) sheet.AddLine(line);
        for (const sheet::TextBox& text : plot.texts) sheet.AddTextBox(text);
    } catch (const sheet::SpreadsheetError&) {
        // The plot only illustrates the summary's table; what is drawn stays.
    }
}

}  // namespace nubera::report
