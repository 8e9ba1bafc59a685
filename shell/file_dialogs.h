#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace nubera {

// The open and save dialogs of the project file commands. Both return the
// chosen name, or nothing when the user cancelled.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> OpenProjectName(QWidget* parent) = 0;
    virtual std::optional<QString> SaveProjectName(QWidget* parent) = 0;
};

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
