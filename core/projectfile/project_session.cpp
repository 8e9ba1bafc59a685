#include "projectfile/project_session.h"

#include <utility>

namespace nubera {

void ProjectSession::MarkSaved(std::string fileName, std::string_view poissonText,
                               std::string digest) {
    fileName_ = std::move(fileName);
    digest_ = std::move(digest);
    saved_ = SavedStateOf(project_, poissonText);
}

bool ProjectSession::Modified(std::string_view poissonText) const {
    return SavedStateOf(project_, poissonText) != saved_;
}

std::string ProjectSession::SavedDigest(std::string_view poissonText) const {
    return Modified(poissonText) ? std::string() : digest_;
}

}  // namespace nubera
