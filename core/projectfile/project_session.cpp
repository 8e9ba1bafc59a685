#include "projectfile/project_session.h"

#include <utility>

namespace nubera {

void ProjectSession::MarkSaved(std::string fileName, std::string_view poissonText) {
    fileName_ = std::move(fileName);
    saved_ = SavedStateOf(project_, poissonText);
}

bool ProjectSession::Modified(std::string_view poissonText) const {
    return SavedStateOf(project_, poissonText) != saved_;
}

}  // namespace nubera
