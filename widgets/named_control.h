#pragma once

#include <QString>

class QPushButton;

namespace nubera::widgets {

// Gives a control the name testers and tests find it by.
template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QPushButton* MakeButton(const QString& name, const QString& caption);

}  // namespace nubera::widgets
