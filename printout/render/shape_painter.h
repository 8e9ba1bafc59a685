#pragma once

// Draws a sheet's shapes (lines, rectangles, ellipses, text boxes) with the
// painter in the sheet's points.

#include <QPainter>
#include <string>

#include "printout/render/print_fonts.h"
#include "spreadsheet/drawn_shape.h"

namespace nubera::printout {

class ShapePainter {
  public:
    // `defaultFont` names the face of texts that name none.
    ShapePainter(QPainter& painter, PrintFonts& fonts, std::string defaultFont)
        : painter_(painter), fonts_(fonts), defaultFont_(std::move(defaultFont)) {}

    void Paint(const sheet::DrawnShape& shape);

  private:
    void PaintText(const sheet::DrawnShape& shape);

    QPainter& painter_;
    PrintFonts& fonts_;
    std::string defaultFont_;
};

// The dash pattern of a preset dash name in line widths; empty for a solid line.
QList<qreal> DashPattern(const std::string& preset);

}  // namespace nubera::printout
