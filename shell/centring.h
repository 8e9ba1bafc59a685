#pragma once

class QRect;
class QWidget;

namespace nubera {

// Windows open in the middle of the screen: moves `window`, frame included,
// to the middle of `area` (the screen's whole or available geometry).
void CentreWindow(QWidget& window, const QRect& area);

}  // namespace nubera
