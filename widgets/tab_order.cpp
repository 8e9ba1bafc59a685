#include "widgets/tab_order.h"

#include <QWidget>

namespace nubera::widgets {

void ChainTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace nubera::widgets
