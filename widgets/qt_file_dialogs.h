#pragma once

#include <QFileDialog>
#include <QString>

#include "widgets/file_dialogs.h"
#include "widgets/recent_folder.h"

namespace nubera {

// The filter under which project files are shown.
inline const QString kProjectFileFilter = QStringLiteral("nbrファイル (*.nbr)");

// The desktop dialogs: they open in the folder last used (the program's folder
// `appFolder` the first time); no default suffix is added to a typed name (the
// save command adds the extension), and the save dialog does not ask about
// overwriting (the save command asks its own question).
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(const QString& appFolder) : folder_(appFolder) {}

    std::optional<QString> OpenProjectName(QWidget* parent) override;
    std::optional<QString> SaveProjectName(QWidget* parent) override;

  private:
    std::optional<QString> Ask(QWidget* parent, QFileDialog::AcceptMode mode);

    RecentFolder folder_;
};

}  // namespace nubera
