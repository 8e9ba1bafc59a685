#include "app/startup/instance_lock.h"

#include <QDir>
#include <QStandardPaths>

namespace nubera::app {

InstanceLock::InstanceLock(const QString& path) : lock_(path) {
    // The program may run for days; only a dead owner makes the lock stale.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::TryAcquire() {
    if (lock_.tryLock(0)) return true;
    // Only a copy holding the lock stops this one; a folder that refuses the
    // lock file would otherwise end every start without a word.
    return lock_.error() != QLockFile::LockFailedError;
}

QString InstanceLock::DefaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("nubera.lock"));
}

}  // namespace nubera::app
