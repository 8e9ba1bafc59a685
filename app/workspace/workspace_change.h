#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>

#include "model/placement.h"
#include "model/project_data.h"

namespace nubera::app {

// What one committed change of the main window may alter: the project, the
// placement option and the Poisson's-ratio box as it stands.
struct WorkspaceState {
    ProjectData project;
    Placement placement = Placement::Automatic;
    QString poissonText;

    bool operator==(const WorkspaceState&) const = default;
};

// One committed change (a screen's ＯＫ, the mode, the ratio, the placement)
// on the undo stack: undo puts back the state before it, redo the state after
// it, exactly.
class WorkspaceChange : public QUndoCommand {
  public:
    using Restore = std::function<void(const WorkspaceState&)>;

    WorkspaceChange(const QString& text, WorkspaceState before, WorkspaceState after,
                    Restore restore);

    void undo() override;
    // The first redo is the change itself, already made when it is pushed.
    void redo() override;

  private:
    WorkspaceState before_;
    WorkspaceState after_;
    Restore restore_;
    bool done_ = true;
};

}  // namespace nubera::app
