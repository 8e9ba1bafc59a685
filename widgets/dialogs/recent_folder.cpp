#include "widgets/dialogs/recent_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace nubera::widgets {
namespace {

const QString kKey = QStringLiteral("projectFolder");

// The program's settings of the person using it.
QSettings UserSettings() {
    return QSettings(QSettings::UserScope, QStringLiteral("nubera"), QStringLiteral("nubera"));
}

}  // namespace

QString RecentFolder::Folder() const {
    const QString remembered = UserSettings().value(kKey).toString();
    return !remembered.isEmpty() && QDir(remembered).exists() ? remembered : fallback_;
}

void RecentFolder::Remember(const QString& chosenFile) {
    UserSettings().setValue(kKey, QFileInfo(chosenFile).absolutePath());
}

}  // namespace nubera::widgets
