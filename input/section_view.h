#pragma once

#include <QWidget>

#include "screenrules/section_figure.h"

namespace nubera::input {

// The drawing surface of the section figures: it is as large as the figure's
// layout says and paints the figure's twip coordinates onto itself with one
// transform, so the picture survives every repaint.
class SectionView : public QWidget {
    Q_OBJECT

  public:
    SectionView(const SectionLayout& layout, QWidget* parent = nullptr);

    void SetFigure(const SectionFigure& figure);
    const SectionFigure& Figure() const { return figure_; }
    void Clear();

    // Paints the figure onto any device of the surface's shape (a picture or
    // an image in tests, the widget itself on screen).
    static void Paint(QPainter& painter, const SectionFigure& figure, const QSizeF& size);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SectionFigure figure_;
};

}  // namespace nubera::input
