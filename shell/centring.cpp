#include "centring.h"

#include <QRect>
#include <QWidget>

namespace nubera {

void CentreWindow(QWidget& window, const QRect& area) {
    const QSize size = window.frameGeometry().size();
    window.move(area.left() + (area.width() - size.width()) / 2,
                area.top() + (area.height() - size.height()) / 2);
}

}  // namespace nubera
