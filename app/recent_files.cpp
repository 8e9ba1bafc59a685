#include "app/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace nubera::app {
namespace {

const QString kKey = QStringLiteral("recentFiles");

}  // namespace

QStringList RecentFiles::List() const {
    QStringList files = QSettings().value(kKey).toStringList();
    // A hand-edited setting is bounded like one the program wrote.
    files.removeAll(QString());
    return files.mid(0, kCount);
}

void RecentFiles::Add(const QString& file) {
    const QString absolute = QFileInfo(file).absoluteFilePath();
    QStringList files = List();
    files.removeAll(absolute);
    files.prepend(absolute);
    Store(files);
}

void RecentFiles::Remove(const QString& file) {
    QStringList files = List();
    files.removeAll(QFileInfo(file).absoluteFilePath());
    Store(files);
}

void RecentFiles::Store(const QStringList& files) {
    QSettings().setValue(kKey, files.mid(0, kCount));
}

}  // namespace nubera::app
