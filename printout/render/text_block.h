#pragma once

// A text laid out once, the way QPainter::drawText(rect, flags, text) lays
// it out: what it measures decides how a cell shows it, and the glyphs
// shaped for that measure are the ones drawn. drawText (and boundingRect)
// shape the text anew on every call, which cost more than the drawing.

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QTextLayout>

namespace nubera::printout {

// Where a text breaks into lines: nowhere (a line feed shows as a space),
// at its line feeds, or at its line feeds and wherever a line would run
// wider than the width given.
enum class LineBreaks { None, AtLineFeeds, AtLineFeedsAndWidth };

class TextBlock {
  public:
    // `text` in `font` on `device`, whose metrics there are `metrics`.
    TextBlock(const QString& text, const QFont& font, const QFontMetricsF& metrics,
              QPaintDevice* device, LineBreaks breaks = LineBreaks::None, double width = 0);
    TextBlock(const TextBlock&) = delete;
    TextBlock& operator=(const TextBlock&) = delete;

    // The width of its widest line and the height of its lines.
    double Width() const { return width_; }
    double Height() const { return height_; }
    // Where it lands when drawn in `box` with `alignment`.
    QRectF Bounds(const QRectF& box, Qt::Alignment alignment) const;
    // Draws it in `box` with `alignment`, in the painter's font and pen.
    // Nothing clips it.
    void Draw(QPainter& painter, const QRectF& box, Qt::Alignment alignment) const;

  private:
    double Top(const QRectF& box, Qt::Alignment alignment) const;
    // Where a line `width` wide starts in `box` with `alignment`.
    static double Left(const QRectF& box, Qt::Alignment alignment, double width);

    QTextLayout layout_;
    double width_ = 0;
    double height_ = 0;
};

}  // namespace nubera::printout
