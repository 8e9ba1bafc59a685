#pragma once

#include <QString>

#include "file_dialogs.h"

namespace nubera {

// The filter under which project files are shown.
inline const QString kProjectFileFilter = QStringLiteral("nbrファイル (*.nbr)");

// The desktop dialogs: no default suffix is added to a typed name, and the save
// dialog does not ask about overwriting (the save command asks its own question).
class QtFileDialogs : public FileDialogs {
  public:
    std::optional<QString> OpenProjectName(QWidget* parent) override;
    std::optional<QString> SaveProjectName(QWidget* parent) override;
};

}  // namespace nubera
