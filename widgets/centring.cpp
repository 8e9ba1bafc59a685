#include "widgets/centring.h"

#include <QCursor>
#include <QRect>
#include <QWidget>
#include <cmath>

namespace nubera::widgets {

void CentreWindow(QWidget& window, const QRect& area) {
    const QSize size = window.frameGeometry().size();
    window.move(area.left() + (area.width() - size.width()) / 2,
                area.top() + (area.height() - size.height()) / 2);
}

void PointAtCentre(const QRect& area) {
    QCursor::setPos(RoundToPixel(area.left() + area.width() / 2.0),
                    RoundToPixel(area.top() + area.height() / 2.0));
}

int RoundToPixel(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace nubera::widgets
