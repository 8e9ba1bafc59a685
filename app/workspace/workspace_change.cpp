#include "app/workspace/workspace_change.h"

namespace nubera::app {

WorkspaceChange::WorkspaceChange(const QString& text, WorkspaceState before, WorkspaceState after,
                                 Restore restore)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      restore_(std::move(restore)) {}

void WorkspaceChange::undo() {
    restore_(before_);
}

void WorkspaceChange::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    restore_(after_);
}

}  // namespace nubera::app
