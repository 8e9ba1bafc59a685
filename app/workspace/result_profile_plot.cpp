#include "app/workspace/result_profile_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "model/point_name.h"
#include "screenrules/section_figure.h"

namespace nubera::app {
namespace {

const QColor kSettlementColour(0, 70, 200);
const QColor kLateralColour(200, 90, 0);
// The share of the height the curves get; the sketch takes the rest.
constexpr double kCurveShare = 0.62;
constexpr int kMargin = 8;
// A sketch drawn in these units is converted back to metres by its scale.
constexpr SectionLayout kMetreLayout{1e4, 1e4, 0, 0, 0, 0};

struct Range {
    double low = 0;
    double high = 0;
    void Include(double value) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    double Span() const { return high - low; }
};

}  // namespace

ResultProfilePlot::ResultProfilePlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("resultProfile"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

QSize ResultProfilePlot::sizeHint() const {
    return {420, 240};
}

QSize ResultProfilePlot::minimumSizeHint() const {
    return {240, 160};
}

void ResultProfilePlot::AddCurves(const DesignResults& results, bool kept) {
    if (!results.Computed()) return;
    const auto add = [&](const QuantityAtPoints& quantity, const QColor& colour) {
        Curve curve{{}, colour, kept};
        for (std::size_t k = 0; k < kPointCount; ++k) {
            if (results.x[k] && quantity[k].total) {
                curve.points.emplace_back(*results.x[k], *quantity[k].total);
            }
        }
        std::sort(curve.points.begin(), curve.points.end(),
                  [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        curves_.push_back(std::move(curve));
    };
    add(results.settlement, kSettlementColour);
    if (results.lateral) add(*results.lateral, kLateralColour);
}

void ResultProfilePlot::SetResults(const DesignResults& current,
                                   const std::optional<DesignResults>& kept) {
    curves_.clear();
    markers_.clear();
    if (kept) AddCurves(*kept, true);
    AddCurves(current, false);
    for (std::size_t k = 0; k < kPointCount; ++k) {
        if (current.Computed() && current.x[k]) markers_.emplace_back(*current.x[k], k);
    }
    update();
}

void ResultProfilePlot::SetSection(const std::optional<FillLoadTable>& fillLoads) {
    section_.clear();
    if (fillLoads && fillLoads->RowCount() > 0) {
        const SectionFigure figure = DrawSection(*fillLoads, kMetreLayout);
        const double centre = fillLoads->Number(fill_column::kCentreDistance, 0);
        for (const FigureLine& line : figure.lines) {
            if (figure.scale == 0 || line.style != FigureLine::Style::Solid) continue;
            section_.emplace_back(line.x1 / figure.scale - centre, -line.y1 / figure.scale,
                                  line.x2 / figure.scale - centre, -line.y2 / figure.scale);
        }
    }
    update();
}

void ResultProfilePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Range xs, values, heights;
    bool anything = false;
    for (const Curve& curve : curves_) {
        for (const QPointF& p : curve.points) {
            xs.Include(p.x());
            values.Include(p.y());
            anything = true;
        }
    }
    for (const QLineF& line : section_) {
        for (const QPointF& p : {line.p1(), line.p2()}) {
            xs.Include(p.x());
            heights.Include(p.y());
        }
        anything = true;
    }
    if (!anything || xs.Span() <= 0) return;
    const QRectF area = QRectF(rect()).adjusted(kMargin + 24, kMargin + 16, -kMargin, -kMargin);
    const QRectF plot(area.left(), area.top(), area.width(), area.height() * kCurveShare);
    const QRectF sketch(area.left(), plot.bottom() + kMargin, area.width(),
                        area.bottom() - plot.bottom() - kMargin - fontMetrics().height());
    const double pad = xs.Span() * 0.04;
    const auto mapX = [&](double x) {
        return area.left() + (x - xs.low + pad) / (xs.Span() + 2 * pad) * area.width();
    };
    const double valueSpan = values.Span() > 0 ? values.Span() : 1;
    const auto mapValue = [&](double v) {
        return plot.bottom() - (v - values.low) / valueSpan * plot.height();
    };

    // The zero line and the value range at the left.
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    painter.drawLine(QPointF(plot.left(), mapValue(0)), QPointF(plot.right(), mapValue(0)));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QPointF(kMargin, plot.top() + fontMetrics().ascent()),
                     QString::number(values.high, 'f', 2));
    painter.drawText(QPointF(kMargin, plot.bottom()), QString::number(values.low, 'f', 2));

    for (const Curve& curve : curves_) {
        painter.setPen(
            QPen(curve.colour, curve.kept ? 1.5 : 2, curve.kept ? Qt::DashLine : Qt::SolidLine));
        QPainterPath path;
        for (std::size_t i = 0; i < curve.points.size(); ++i) {
            const QPointF p(mapX(curve.points[i].x()), mapValue(curve.points[i].y()));
            i == 0 ? path.moveTo(p) : path.lineTo(p);
            if (!curve.kept) painter.drawEllipse(p, 2.5, 2.5);
        }
        painter.drawPath(path);
    }

    const double heightSpan = heights.high > 0 ? heights.high : 1;
    const auto mapHeight = [&](double y) {
        return sketch.bottom() - y / heightSpan * sketch.height();
    };
    painter.setPen(QPen(palette().color(QPalette::Text), 1));
    painter.drawLine(QPointF(area.left(), sketch.bottom()), QPointF(area.right(), sketch.bottom()));
    for (const QLineF& line : section_) {
        painter.drawLine(QPointF(mapX(line.x1()), mapHeight(line.y1())),
                         QPointF(mapX(line.x2()), mapHeight(line.y2())));
    }
    painter.setPen(Qt::red);
    for (const auto& [x, index] : markers_) {
        const QPointF ground(mapX(x), sketch.bottom());
        painter.drawLine(ground, ground + QPointF(0, 4));
        const QString number = QString::fromStdString(CircledNumber(index + 1));
        painter.drawText(ground + QPointF(-fontMetrics().horizontalAdvance(number) / 2.0,
                                          4 + fontMetrics().ascent()),
                         number);
    }
    painter.setPen(kSettlementColour);
    painter.drawText(QPointF(area.left(), kMargin + fontMetrics().ascent()),
                     QStringLiteral("── 即時沈下量 合計 (cm)"));
    painter.setPen(kLateralColour);
    painter.drawText(QPointF(area.left() + area.width() / 2, kMargin + fontMetrics().ascent()),
                     QStringLiteral("── 側方変位量 合計 (cm)"));
}

}  // namespace nubera::app
