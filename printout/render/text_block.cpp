#include "printout/render/text_block.h"

#include <QTextLine>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace nubera::printout {
namespace {

// As drawText shows them: a carriage return and a tab as a space, a line
// feed as a space on one line and as a line break otherwise.
QString Shown(QString text, LineBreaks breaks) {
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\t' || (breaks == LineBreaks::None && c == u'\n')) {
            c = u' ';
        } else if (c == u'\n') {
            c = QChar::LineSeparator;
        }
    }
    return text;
}

// Wide enough that no text breaks.
constexpr double kUnbroken = 0x01000000;

}  // namespace

TextBlock::TextBlock(const QString& text, const QFont& font, const QFontMetricsF& metrics,
                     QPaintDevice* device, LineBreaks breaks, double width)
    : layout_(Shown(text, breaks), font, device) {
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    layout_.setTextOption(option);
    const double leading = metrics.leading();
    const double lineWidth =
        breaks == LineBreaks::AtLineFeedsAndWidth ? std::max(0.0, width) : kUnbroken;
    layout_.beginLayout();
    height_ = -leading;
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(lineWidth);
        // Each line starts on a whole unit, as drawText places it.
        height_ = std::ceil(height_ + leading);
        line.setPosition(QPointF(0, height_));
        height_ += line.ascent() + line.descent();
        width_ = std::max(width_, line.naturalTextWidth());
    }
    layout_.endLayout();
    if (layout_.lineCount() == 0) height_ = metrics.height();
}

double TextBlock::Top(const QRectF& box, Qt::Alignment alignment) const {
    if (alignment & Qt::AlignBottom) return box.y() + box.height() - height_;
    if (alignment & Qt::AlignVCenter) return box.y() + (box.height() - height_) / 2;
    return box.y();
}

double TextBlock::Left(const QRectF& box, Qt::Alignment alignment, double width) {
    double left = box.x();
    if (alignment & Qt::AlignRight) left += box.width() - width;
    if (alignment & Qt::AlignHCenter) left += (box.width() - width) / 2;
    return left;
}

QRectF TextBlock::Bounds(const QRectF& box, Qt::Alignment alignment) const {
    return QRectF(Left(box, alignment, width_), Top(box, alignment), width_, height_);
}

void TextBlock::Draw(QPainter& painter, const QRectF& box, Qt::Alignment alignment) const {
    const double top = Top(box, alignment);
    for (int i = 0; i < layout_.lineCount(); ++i) {
        const QTextLine line = layout_.lineAt(i);
        line.draw(&painter, QPointF(Left(box, alignment, line.horizontalAdvance()), top));
    }
}

}  // namespace nubera::printout
