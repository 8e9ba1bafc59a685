#include "report/figures/ground_figure.h"

#include <algorithm>
#include <cmath>

#include "model/point_name.h"
#include "report/figures/figure_text.h"
#include "report/figures/section_diagram.h"
#include "screenrules/fill_load_rules.h"
#include "spreadsheet/spreadsheet_error.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera::report {
namespace {

// Across the sheet: the section on the left, a column on the right for the
// plan and the layers' captions.
constexpr double kLeft = 18;
constexpr double kSectionWidth = 300;
constexpr double kColumnX = 330;
constexpr double kColumnWidth = 158;
// Down the figure: room above the fill for the surcharge, the height the
// fill and ground may take, and what hangs below the ground.
constexpr double kTopGap = 22;
constexpr double kSectionHeight = 180;
constexpr double kGroundMargin = 0.1;  // the ground drawn past each toe, of the bottom width
constexpr double kTick = 4;
constexpr double kScaleBarGap = 38;  // from the bottom of the ground to the scale bar
constexpr double kScaleBarLength = 50;
// The plan of B × L in the column's top.
constexpr double kPlanTop = 16;
constexpr double kPlanWidth = 70;
constexpr double kPlanHeight = 56;
constexpr double kPlanBottom = 106;
constexpr double kDimensionGap = 5;

constexpr double kFontSize = 7;
constexpr double kLineStep = 9;  // between stacked captions
using sheet::DashStyle;
using sheet::PaletteColor;

sheet::LineShape Line(double x1, double y1, double x2, double y2,
                      DashStyle dash = DashStyle::SheetDefault) {
    return {x1, y1, x2, y2, dash, std::nullopt};
}

std::string Metres(double value) {
    return FormatFixed2(RoundHalf(value)) + " m";
}

class FigureBuilder {
  public:
    FigureBuilder(const ProjectData& project, const CalcResults& results, double top)
        : project_(project),
          results_(results),
          fill_(*project.fillLoads),
          soil_(*project.soilLayers),
          top_(top) {}

    GroundFigure Build() {
        const std::size_t layers = soil_.RowCount();
        const double width = BottomBlockWidth(fill_);
        const double height = FillStackHeight(fill_);
        const double depth = soil_.Number(soil_column::kDepth, layers - 1);
        const double span = width * (1 + 2 * kGroundMargin);
        const double scale = std::min(kSectionWidth / span, kSectionHeight / (height + depth));
        if (!(width > 0 && height > 0 && depth > 0 && std::isfinite(scale))) return {};
        figure_.scale = scale;
        figure_.originX =
            kLeft + (kSectionWidth - span * scale) / 2 + width * kGroundMargin * scale;
        figure_.groundY = top_ + kTopGap + height * scale;
        left_ = figure_.originX - width * kGroundMargin * scale;
        right_ = left_ + span * scale;
        bottom_ = figure_.groundY + depth * scale;
        AddFill();
        AddSurcharge();
        AddPlan();
        AddLayers(depth);
        AddPoints();
        AddScaleBar();
        return std::move(figure_);
    }

  private:
    double X(double metresFromReference) const {
        return figure_.originX + metresFromReference * figure_.scale;
    }

    void AddText(std::string name, std::string text, double left, double top, double width,
                 sheet::TextAlignment alignment = sheet::TextAlignment::Left) {
        figure_.texts.push_back(
            FigureText(std::move(name), std::move(text), left, top, width, kFontSize, alignment));
    }

    // A dimension line with a short stroke across each end.
    void AddDimension(double x1, double y1, double x2, double y2) {
        const bool across = y1 == y2;
        figure_.lines.push_back(Line(x1, y1, x2, y2, DashStyle::Solid));
        for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
            figure_.lines.push_back(across ? Line(x, y - 2.5, x, y + 2.5, DashStyle::Solid)
                                           : Line(x - 2.5, y, x + 2.5, y, DashStyle::Solid));
        }
    }

    // The blocks bottom first, each named left of its left slope at half its
    // height, a name pushed up when the one below would touch it.
    void AddFill() {
        double base = figure_.groundY;
        double nextBelow = base + kLineStep;
        for (std::size_t j = fill_.RowCount(); j-- > 0;) {
            const double crest =
                AddFillBlock(figure_.lines, fill_, j, base, figure_.scale, figure_.originX);
            const double middle = (base + crest) / 2;
            const double slopeX = X(fill_.Number(fill_column::kToeDistance, j) +
                                    fill_.Number(fill_column::kLeftSlope, j) / 2);
            const double top = std::min(middle - kFigureTextHeight / 2, nextBelow - kLineStep);
            AddText("FIG_Load" + std::to_string(j), FillLoadLabel(j), slopeX - 22, top, 20,
                    sheet::TextAlignment::Right);
            nextBelow = top;
            base = crest;
        }
        crestY_ = base;
        const double centre = X(fill_.Number(fill_column::kCentreDistance, 0));
        figure_.lines.push_back(
            Line(centre, crestY_ - kTick, centre, bottom_ + kTick, DashStyle::LongDashDot));
    }

    // Arrows down onto the top block's crest, under the surcharge's name.
    void AddSurcharge() {
        if (!project_.surcharge) return;
        const double from = X(fill_.Number(fill_column::kToeDistance, 0) +
                              fill_.Number(fill_column::kLeftSlope, 0));
        const double to = from + fill_.Number(fill_column::kCrest, 0) * figure_.scale;
        const double y = crestY_ - 2 * kTick;
        figure_.lines.push_back(Line(from, y, to, y, DashStyle::Solid));
        constexpr int kArrows = 5;
        for (int i = 0; i < kArrows; ++i) {
            const double x = from + (to - from) * i / (kArrows - 1);
            figure_.lines.push_back(Line(x, y, x, crestY_, DashStyle::Solid));
            figure_.lines.push_back(Line(x - 1.5, crestY_ - 2, x, crestY_, DashStyle::Solid));
            figure_.lines.push_back(Line(x + 1.5, crestY_ - 2, x, crestY_, DashStyle::Solid));
        }
        AddText("FIG_Surcharge", kSurchargeLabel, (from + to) / 2 - 10, y - kFigureTextHeight, 20,
                sheet::TextAlignment::Center);
    }

    // The loaded area that the equivalent modulus spreads with depth: B
    // across, L along, with their dimension lines.
    void AddPlan() {
        const double b = project_.excavationWidth;
        const double l = project_.leveeWidth;
        const double scale = std::min(kPlanWidth / b, kPlanHeight / l);
        AddText("FIG_PlanTitle", "平面：B × L（Em の載荷面）", kColumnX, top_, kColumnWidth);
        if (!(b > 0 && l > 0 && std::isfinite(scale))) return;
        const double x = kColumnX + 10;
        const double y = top_ + kPlanTop;
        const double w = b * scale;
        const double h = l * scale;
        for (const auto& side : {Line(x, y, x + w, y), Line(x + w, y, x + w, y + h),
                                 Line(x + w, y + h, x, y + h), Line(x, y + h, x, y)}) {
            figure_.lines.push_back(side);
        }
        AddDimension(x, y + h + kDimensionGap, x + w, y + h + kDimensionGap);
        const double under = y + h + kDimensionGap + 2;
        AddText("FIG_PlanB", "B = " + Metres(b), x, under, kColumnWidth - 10);
        AddText("FIG_PlanC", "c = B/2 = " + Metres(b / 2), x, under + kLineStep, kColumnWidth - 10);
        AddDimension(x + w + kDimensionGap, y, x + w + kDimensionGap, y + h);
        AddText("FIG_PlanL", "L = " + Metres(l), x + w + kDimensionGap + 4,
                y + h / 2 - kFigureTextHeight / 2, kColumnWidth - w - 20);
    }

    // The ground to scale, one line at each layer's bottom; the layers are
    // named in the column on the right at their middle depth, lower when the
    // captions above take that place, then with a leader.
    void AddLayers(double depth) {
        figure_.lines.push_back(
            Line(left_, figure_.groundY, right_, figure_.groundY, DashStyle::Solid));
        figure_.lines.push_back(Line(left_, figure_.groundY, left_, bottom_));
        figure_.lines.push_back(Line(right_, figure_.groundY, right_, bottom_));
        double nextFree = std::max(figure_.groundY, top_ + kPlanBottom);
        double above = 0;
        for (std::size_t i = 0; i < soil_.RowCount(); ++i) {
            const double below = soil_.Number(soil_column::kDepth, i);
            const double y = figure_.groundY + below * figure_.scale;
            figure_.lines.push_back(Line(left_, y, right_, y));
            const double middle = figure_.groundY + (above + below) / 2 * figure_.scale;
            const double top = std::max(middle - kFigureTextHeight / 2, nextFree);
            if (top - (middle - kFigureTextHeight / 2) > 1) {
                figure_.lines.push_back(Line(right_, middle, kColumnX - 2,
                                             top + kFigureTextHeight / 2, DashStyle::SystemDot));
            }
            AddText("FIG_Layer" + std::to_string(i),
                    std::to_string(i + 1) + "：厚さ " +
                        Metres(soil_.Number(soil_column::kThickness, i)) +
                        "、Es = " + FormatNumber(soil_.Number(soil_column::kModulus, i)) + " kN/㎡",
                    kColumnX, top, kColumnWidth);
            nextFree = top + kLineStep;
            above = below;
        }
        AddText("FIG_Depth", "H = " + Metres(depth) + "（地盤の厚さ）", kColumnX,
                std::max(bottom_ - kFigureTextHeight / 2, nextFree), kColumnWidth);
    }

    // A red stroke on the ground and one under the ground's bottom for each
    // point, its number and x below, the x's in two rows so that close
    // points keep them apart.
    void AddPoints() {
        if (results_.pointOffsets.empty()) return;
        const double centre = fill_.Number(fill_column::kCentreDistance, 0);
        for (std::size_t k = 0; k < kPointCount; ++k) {
            const Cell& offset = results_.pointOffsets[0][k];
            if (offset.IsMissing()) continue;
            const double x = X(centre + offset.AsNumber());
            for (double y : {figure_.groundY, bottom_}) {
                figure_.lines.push_back({x, y, x, y + kTick, DashStyle::Solid, PaletteColor::Red});
            }
            const std::string index = std::to_string(k);
            AddText("FIG_Point" + index, CircledNumber(k + 1), x - 8, bottom_ + kTick, 16,
                    sheet::TextAlignment::Center);
            AddText("FIG_X" + index, FormatFixed2(RoundHalf(offset.AsNumber())), x - 15,
                    bottom_ + kTick + kLineStep * static_cast<double>(1 + k % 2), 30,
                    sheet::TextAlignment::Center);
        }
    }

    // A bar of a round number of metres, and what the x's are measured from.
    void AddScaleBar() {
        const double metres = NiceStep(kScaleBarLength / figure_.scale);
        const double length = metres * figure_.scale;
        const double y = bottom_ + kScaleBarGap;
        AddDimension(kLeft, y, kLeft + length, y);
        AddText("FIG_Scale0", "0", kLeft - 5, y + 2, 10, sheet::TextAlignment::Center);
        AddText("FIG_Scale1", FormatNumber(metres) + " m", kLeft + length - 15, y + 2, 30,
                sheet::TextAlignment::Center);
        AddText("FIG_XCaption",
                "縦横同じ縮尺。着目点の x (m) は q1 の中心（一点鎖線）から右向きを正とする。",
                kLeft + length + 20, y - kFigureTextHeight / 2,
                kColumnX + kColumnWidth - kLeft - length - 20);
    }

    const ProjectData& project_;
    const CalcResults& results_;
    const FillLoadTable& fill_;
    const SoilLayerTable& soil_;
    double top_;
    double left_ = 0;
    double right_ = 0;
    double bottom_ = 0;
    double crestY_ = 0;
    GroundFigure figure_;
};

}  // namespace

GroundFigure LayOutGroundFigure(const ProjectData& project, const CalcResults& results,
                                double top) {
    if (!project.fillLoads || project.fillLoads->RowCount() == 0 || !project.soilLayers ||
        project.soilLayers->RowCount() == 0) {
        return {};
    }
    return FigureBuilder(project, results, top).Build();
}

void DrawGroundFigure(sheet::Worksheet& sheet, const GroundFigure& figure) {
    try {
        for (const sheet::LineShape& line : figure.lines) sheet.AddLine(line);
        for (const sheet::TextBox& text : figure.texts) sheet.AddTextBox(text);
    } catch (const sheet::SpreadsheetError&) {
        // The figure only illustrates the tables; what is drawn stays.
    }
}

}  // namespace nubera::report
