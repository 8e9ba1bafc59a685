#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace nubera::widgets {

// The open and save dialogs of the project file commands. Both return the
// chosen name, or nothing when the user cancelled.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> OpenProjectName(QWidget* parent) = 0;
    virtual std::optional<QString> SaveProjectName(QWidget* parent) = 0;
};

}  // namespace nubera::widgets
