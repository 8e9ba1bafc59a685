#pragma once

class QRect;
class QWidget;

namespace nubera::widgets {

// Windows open in the middle of the screen: moves `window`, frame included,
// to the middle of `area` (the screen's whole or available geometry).
void CentreWindow(QWidget& window, const QRect& area);

// Puts the mouse pointer on the centre of `area` (screen pixels). Does nothing
// where the platform forbids pointer moves.
void PointAtCentre(const QRect& area);

// A screen position in pixels; halves go to the even pixel.
int RoundToPixel(double value);

}  // namespace nubera::widgets
