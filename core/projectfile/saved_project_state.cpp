#include "projectfile/saved_project_state.h"

#include "screenrules/poisson_ratio.h"
#include "text/number_text.h"

namespace nubera {

SavedProjectState SavedStateOf(const ProjectData& project, std::string_view poissonBoxText) {
    SavedProjectState state{project, {}};
    state.project.poissonRatio = 0;
    if (project.alsoLateral) {
        const PoissonCheck check = CheckPoissonText(poissonBoxText);
        state.poissonText = check.ok ? FormatFixed2(check.ratio) : std::string(poissonBoxText);
    }
    return state;
}

}  // namespace nubera
