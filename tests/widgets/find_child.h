#pragma once

// Finding a window's controls by the names testers use. A control that is
// missing fails the test and ends it with an exception, which gtest reports,
// instead of crashing the whole test program on a null pointer.

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <stdexcept>

namespace nubera::test {

class MissingChild : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

template <typename Widget>
Widget* Child(const QObject& parent, const QString& name) {
    auto* child = parent.findChild<Widget*>(name);
    if (!child) {
        ADD_FAILURE() << "no control named " << name.toStdString();
        throw MissingChild(name.toStdString());
    }
    return child;
}

// Runs test steps inside Qt's event loop (a timer's callback while a modal
// window is open), where no exception may escape: a missing control there
// has failed the test already and only ends the steps.
template <typename Steps>
void InEventLoop(Steps&& steps) {
    try {
        steps();
    } catch (const MissingChild&) {
    }
}

}  // namespace nubera::test
