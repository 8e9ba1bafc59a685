#include "saved_project_state.h"

#include "number_text.h"
#include "poisson_ratio.h"

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
