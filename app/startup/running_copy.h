#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

namespace nubera::app {

// The copy of the program that is already running takes the files opened
// from outside (a file manager, a second start with a file): a second copy
// hands its file over through a local socket beside the instance lock, then
// ends. Qt's local sockets keep this the same on every desktop.
class RunningCopy : public QObject {
    Q_OBJECT

  public:
    // Listens for files handed over; `open` gets each one's path. False when
    // the socket cannot be made (files are then only opened at start-up).
    bool Listen(std::function<void(const QString&)> open);

    // Gives `file` to the copy that listens; false when none took it.
    static bool HandOver(const QString& file);

    static QString SocketName();

  private:
    void Receive();

    QLocalServer server_;
    std::function<void(const QString&)> open_;
};

}  // namespace nubera::app
