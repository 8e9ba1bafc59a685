#pragma once

#include <initializer_list>

class QWidget;

namespace nubera::widgets {

// Chains the focus order of the given controls, in the order given.
void ChainTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace nubera::widgets
