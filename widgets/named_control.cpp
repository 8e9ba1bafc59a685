#include "widgets/named_control.h"

#include <QPushButton>

namespace nubera::widgets {

QPushButton* MakeButton(const QString& name, const QString& caption) {
    return Named(new QPushButton(caption), name);
}

}  // namespace nubera::widgets
