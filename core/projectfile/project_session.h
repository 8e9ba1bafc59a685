#pragma once

#include <string>
#include <string_view>

#include "model/calc_results.h"
#include "model/project_data.h"
#include "projectfile/saved_project_state.h"

namespace nubera {

// The desktop program's open project: its data, the results of its last run,
// the project file it was last loaded from or saved to, and what that file
// holds, to tell whether the project changed since. The window, the run and
// the file commands share it.
class ProjectSession {
  public:
    ProjectData& Project() { return project_; }
    const ProjectData& Project() const { return project_; }
    CalcResults& Results() { return results_; }
    const CalcResults& Results() const { return results_; }

    // The project file last loaded or saved (UTF-8); empty for a new project.
    const std::string& FileName() const { return fileName_; }

    // The project as it is now, with the Poisson's-ratio box showing
    // `poissonText`, is what `fileName` holds (just loaded or saved; empty
    // for the new project at start); `digest` is the SHA-256 (hex) of the
    // file's bytes, empty when unknown.
    void MarkSaved(std::string fileName, std::string_view poissonText, std::string digest = {});

    // The project, with the box showing `poissonText`, differs from what was
    // last loaded or saved.
    bool Modified(std::string_view poissonText) const;

    // The digest given to MarkSaved while the project is unchanged since;
    // empty once it changed, so that no report claims a file it differs from.
    std::string SavedDigest(std::string_view poissonText) const;

  private:
    ProjectData project_;
    CalcResults results_;
    std::string fileName_;
    std::string digest_;
    SavedProjectState saved_;
};

}  // namespace nubera
