#pragma once

#include <QGuiApplication>

namespace nubera::widgets {

// Shows the hourglass pointer for its lifetime, so every way out of a long
// step (a message, an exception) restores the normal pointer.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace nubera::widgets
