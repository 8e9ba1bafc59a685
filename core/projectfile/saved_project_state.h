#pragma once

#include <string>
#include <string_view>

#include "model/project_data.h"

namespace nubera {

// What a project file keeps of the open project, to tell whether the project
// changed since it was last loaded or saved: the data without the Poisson's
// ratio the last check stored, and in lateral mode the ratio as a save would
// write it (the box's text once checked; a text the check refuses as it is).
struct SavedProjectState {
    ProjectData project;
    std::string poissonText;

    bool operator==(const SavedProjectState&) const = default;
};

SavedProjectState SavedStateOf(const ProjectData& project, std::string_view poissonBoxText);

}  // namespace nubera
