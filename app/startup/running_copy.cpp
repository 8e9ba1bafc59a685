#include "app/startup/running_copy.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace nubera::app {
namespace {

constexpr int kHandOverMs = 3000;

}  // namespace

bool RunningCopy::Listen(std::function<void(const QString&)> open) {
    open_ = std::move(open);
    // Only the copy holding the instance lock listens, so a socket left by a
    // copy that died is stale.
    QLocalServer::removeServer(SocketName());
    connect(&server_, &QLocalServer::newConnection, this, &RunningCopy::Receive);
    return server_.listen(SocketName());
}

void RunningCopy::Receive() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        // The sender writes the path, then closes; what arrived is the path.
        const auto deliver = [this, socket] {
            const QString file = QString::fromUtf8(socket->readAll()).trimmed();
            socket->deleteLater();
            if (!file.isEmpty()) open_(file);
        };
        if (socket->state() == QLocalSocket::UnconnectedState) {
            deliver();
        } else {
            connect(socket, &QLocalSocket::disconnected, this, deliver);
        }
    }
}

bool RunningCopy::HandOver(const QString& file) {
    QLocalSocket socket;
    socket.connectToServer(SocketName());
    if (!socket.waitForConnected(kHandOverMs)) return false;
    socket.write(file.toUtf8());
    const bool sent = socket.waitForBytesWritten(kHandOverMs);
    socket.disconnectFromServer();
    return sent;
}

QString RunningCopy::SocketName() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("nubera.socket"));
}

}  // namespace nubera::app
