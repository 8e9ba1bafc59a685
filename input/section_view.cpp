#include "input/section_view.h"

#include <QPainter>

#include "widgets/twips.h"

namespace nubera::input {
namespace {

// The circled numbers of the markers, in twips.
constexpr int kMarkerFontHeight = 200;
constexpr double kMarkerTextBox = 400;

QPen LinePen(const FigureLine& line) {
    QPen pen(line.red ? QColor(255, 0, 0) : QColor(Qt::black));
    pen.setCosmetic(true);  // one pixel wide whatever the transform
    pen.setStyle(line.style == FigureLine::Style::DashDot ? Qt::DashDotLine : Qt::SolidLine);
    return pen;
}

}  // namespace

SectionView::SectionView(const SectionLayout& layout, QWidget* parent) : QWidget(parent) {
    figure_.layout = layout;
    setFixedSize(widgets::TwipsToPixels(layout.surfaceWidth, *this),
                 widgets::TwipsToPixels(layout.surfaceHeight, *this));
    setAutoFillBackground(true);
    QPalette surface = palette();
    surface.setColor(QPalette::Window, Qt::white);
    setPalette(surface);
}

void SectionView::SetFigure(const SectionFigure& figure) {
    figure_ = figure;
    update();
}

void SectionView::Clear() {
    const SectionLayout layout = figure_.layout;
    figure_ = SectionFigure{};
    figure_.layout = layout;
    update();
}

void SectionView::Paint(QPainter& painter, const SectionFigure& figure, const QSizeF& size) {
    painter.save();
    painter.scale(size.width() / figure.layout.surfaceWidth,
                  size.height() / figure.layout.surfaceHeight);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const FigureLine& line : figure.lines) {
        painter.setPen(LinePen(line));
        painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    }
    QFont font = painter.font();
    font.setPixelSize(kMarkerFontHeight);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const FigureText& text : figure.texts) {
        painter.drawText(QRectF(text.x, text.y, kMarkerTextBox, kMarkerTextBox),
                         Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text.text));
    }
    painter.restore();
}

void SectionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, figure_, size());
}

}  // namespace nubera::input
