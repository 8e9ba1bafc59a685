#include "report/result_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <string_view>

#include "model/point_name.h"
#include "spreadsheet/spreadsheet_error.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera {
namespace {

// The band from the top: the title, the axis's title, then the curve, with
// room above and below it for the points' labels.
constexpr double kTitleHeight = 14;
constexpr double kTextHeight = 11;
constexpr double kAxisTitleTop = kPlotBandTop + kTitleHeight + 4;
constexpr double kCurveTop = kAxisTitleTop + kTextHeight + 16;
constexpr double kCurveBottom = kPlotBandBottom - 36;

constexpr double kTitleFontSize = 9;
constexpr double kFontSize = 8;
// The label and tick texts' font, that of the template's labels.
constexpr const char* kFontName = "ＭＳ Ｐゴシック";

constexpr double kAxisGap = 24;  // from the leftmost point to the axis
constexpr double kTickLength = 3;
constexpr double kTickTextWidth = 40;
constexpr double kTickTextGap = 2;
constexpr double kMinAxisX = kTickLength + kTickTextGap + kTickTextWidth + 4;
constexpr double kRightOverhang = 10;  // of the zero line past the last point
constexpr double kLabelGap = 2;        // between a point and its label
constexpr double kMarkHalfSize = 2.5;  // of the cross on each point
constexpr int kTargetTicks = 4;

constexpr int kSolid = 1;
constexpr int kDotted = 11;
constexpr int kBlue = 12;

struct Box {
    double left, top, right, bottom;

    bool Overlaps(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

Box BoxOf(const sheet::TextBox& text) {
    return {text.left, text.top, text.left + text.width, text.top + text.height};
}

// Proportional Japanese faces draw ideographs and circled digits a full em
// wide and digits and Latin letters about half as wide; enough to keep
// labels apart.
double TextWidth(std::string_view utf8, double size) {
    double width = 0;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            width += 0.55 * size;
        } else if ((byte & 0xC0) != 0x80) {
            width += size;
        }
    }
    return width;
}

// 1, 2 or 5 times a power of ten, the smallest not below `raw`.
double NiceStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw * (1 - 1e-9)) return factor * power;
    }
    return 10 * power;
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

sheet::TextBox Text(std::string name, std::string text, double left, double top, double width,
                    double size, sheet::TextAlignment alignment, bool bold = false) {
    return {std::move(name),
            std::move(text),
            std::max(left, 0.0),
            top,
            width,
            kTextHeight,
            kFontName,
            size,
            bold,
            alignment};
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
        AddFixedText(Text("PLT_Title", subject_.title, axisX_, kPlotBandTop, right_ - axisX_,
                          kTitleFontSize, sheet::TextAlignment::Left, true));
        const double captionWidth = TextWidth(subject_.axisTitle, kFontSize) + 4;
        AddFixedText(Text("PLT_Axis", subject_.axisTitle, axisX_ - captionWidth / 2, kAxisTitleTop,
                          captionWidth, kFontSize, sheet::TextAlignment::Center));
        plot_.lines.push_back({axisX_, kCurveTop, axisX_, kCurveBottom, kSolid, std::nullopt});
        plot_.lines.push_back({axisX_, plot_.zeroY, right_, plot_.zeroY, kSolid, std::nullopt});
        const int ticks = static_cast<int>(std::lround((scale_.high - scale_.low) / scale_.step));
        for (int i = 0; i <= ticks; ++i) {
            const double value = scale_.low + i * scale_.step;
            const double y = scale_.Y(value);
            plot_.lines.push_back({axisX_ - kTickLength, y, axisX_, y, kSolid, std::nullopt});
            const double textRight = axisX_ - kTickLength - kTickTextGap;
            AddFixedText(Text("PLT_Tick" + std::to_string(i), TickText(value, scale_.step),
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
                plot_.lines.push_back({last.x, last.y, p.x, y, kSolid, kBlue});
            }
            plot_.lines.push_back({p.x, plot_.zeroY, p.x, y, kDotted, std::nullopt});
            plot_.lines.push_back({p.x - kMarkHalfSize, y - kMarkHalfSize, p.x + kMarkHalfSize,
                                   y + kMarkHalfSize, kSolid, kBlue});
            plot_.lines.push_back({p.x - kMarkHalfSize, y + kMarkHalfSize, p.x + kMarkHalfSize,
                                   y - kMarkHalfSize, kSolid, kBlue});
            plot_.marks.push_back({p.point, p.x, y, 0});
        }
    }

    // The largest value first, so it gets the place next to its point.
    void AddPointLabels() {
        std::vector<std::size_t> bySize(points_.size());
        std::iota(bySize.begin(), bySize.end(), std::size_t{0});
        std::ranges::stable_sort(bySize, std::greater<>(),
                                 [&](std::size_t i) { return std::fabs(points_[i].value); });
        for (std::size_t i : bySize) {
            const PlottedPoint& p = points_[i];
            const bool largest = i == bySize.front();
            std::string text = CircledNumber(p.point + 1) + " " + FormatFixed2(RoundHalf(p.value));
            if (largest) text += "（最大）";
            plot_.marks[i].label = plot_.texts.size();
            AddFixedText(PlaceLabel(p, std::move(text), largest));
        }
    }

    // Next to the point on the side its value points to, else ever further
    // away, else on the other side: the first place no other text takes.
    sheet::TextBox PlaceLabel(const PlottedPoint& p, std::string text, bool bold) {
        const double width = TextWidth(text, kFontSize) + 2;
        const double y = scale_.Y(p.value);
        const bool preferAbove = p.value >= 0;
        const auto candidate = [&](bool above, int level) {
            const double top = above ? y - kLabelGap - kTextHeight * (level + 1)
                                     : y + kLabelGap + kTextHeight * level;
            return Text("PLT_Point" + std::to_string(p.point), text, p.x - width / 2, top, width,
                        kFontSize, sheet::TextAlignment::Center, bold);
        };
        for (bool above : {preferAbove, !preferAbove}) {
            for (int level = 0;; ++level) {
                const sheet::TextBox box = candidate(above, level);
                const Box area = BoxOf(box);
                if (area.top < kAxisTitleTop || area.bottom > kPlotBandBottom) break;
                if (std::ranges::none_of(taken_, [&](const Box& t) { return t.Overlaps(area); })) {
                    return box;
                }
            }
        }
        return candidate(preferAbove, 0);
    }

    const PlotSubject& subject_;
    std::vector<PlottedPoint> points_;
    Scale scale_;
    double axisX_ = 0;
    double right_ = 0;
    std::vector<Box> taken_;
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

}  // namespace nubera
