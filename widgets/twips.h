#pragma once

#include <QWidget>
#include <cmath>

namespace nubera::widgets {

// Window sizes designed in twips (1440 to the inch, 15 to a pixel at 96 dpi),
// in pixels at the widget's logical resolution.
inline int TwipsToPixels(double twips, const QWidget& widget) {
    return static_cast<int>(std::lround(twips * widget.logicalDpiX() / 1440.0));
}

}  // namespace nubera::widgets
