#pragma once

#include <QString>
#include <string>

#include "model/placement.h"

class QWidget;

namespace nubera {
struct LoadedProject;
}  // namespace nubera

namespace nubera::app {

// What the run needs of the window it is started from: the window its
// messages and preview belong to, the Poisson's-ratio check, the chosen
// placement and the status line.
class RunView {
  public:
    virtual ~RunView() = default;
    virtual QWidget* Parent() = 0;
    // Stores the box's ratio; false, after a message, when the entry is invalid.
    virtual bool CheckPoissonRatio() = 0;
    virtual Placement SelectedPlacement() const = 0;
    // The SHA-256 (hex) of the project file as loaded or saved while the
    // project is unchanged since; empty when the inputs are in no file.
    virtual std::string SavedProjectDigest() const = 0;
    // The window repaints before it returns (user input waits).
    virtual void SetStatusText(const QString& text) = 0;
};

// What the file commands need of the window: the window their questions and
// dialogs belong to, the Poisson's-ratio check before a save, and showing a
// loaded or saved project.
class FileCommandsView {
  public:
    virtual ~FileCommandsView() = default;
    virtual QWidget* Parent() = 0;
    virtual bool CheckPoissonRatio() = 0;
    // Shows the window's state of a successfully loaded project.
    virtual void ShowLoadedProject(const LoadedProject& loaded) = 0;
    // The project as it is now is the one in `file` (just loaded or saved).
    virtual void MarkSaved(const QString& file) = 0;
    // The project just loaded and marked saved was amended (the fill values
    // computed from the entered ones taken): shows it changed since its file,
    // as the start of its history.
    virtual void ShowAmendedProject() = 0;
    // The project differs from what was last loaded or saved.
    virtual bool Modified() const = 0;
    // Says on the status line that `file` was loaded.
    virtual void SayLoaded(const QString& file) = 0;
    // Shows an empty project in the window's initial state (新規).
    virtual void StartNewProject() = 0;
    // `file` could not be opened: the file menu offers it no more.
    virtual void ForgetRecentFile(const QString& file) = 0;
};

}  // namespace nubera::app
