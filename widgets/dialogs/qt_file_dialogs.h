#pragma once

#include <QFileDialog>
#include <QString>

#include "widgets/dialogs/file_dialogs.h"
#include "widgets/dialogs/recent_folder.h"

namespace nubera::widgets {

// The filter under which project files are shown.
inline const QString kProjectFileFilter = QStringLiteral("nbrファイル (*.nbr)");
// The filter under which boring exchange files are shown.
inline const QString kBoringFileFilter = QStringLiteral("ボーリング交換用データ (*.xml *.XML)");

// The desktop dialogs: they open in the folder last used (the program's folder
// `appFolder` the first time); no default suffix is added to a typed name (the
// save command adds the extension), and the save dialog does not ask about
// overwriting (the save command asks its own question).
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(const QString& appFolder) : folder_(appFolder) {}

    std::optional<QString> OpenProjectName(QWidget* parent) override;
    std::optional<QString> SaveProjectName(QWidget* parent) override;
    // A boring exchange file to read soil layers from.
    std::optional<QString> OpenBoringName(QWidget* parent);

  private:
    // An empty caption leaves the platform's own ("開く", "名前を付けて保存").
    std::optional<QString> Ask(QWidget* parent, QFileDialog::AcceptMode mode,
                               const QString& filter = kProjectFileFilter,
                               const QString& caption = QString());

    RecentFolder folder_;
};

}  // namespace nubera::widgets
