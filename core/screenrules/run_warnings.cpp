#include "screenrules/run_warnings.h"

#include "screenrules/plausible_ranges.h"
#include "screenrules/poisson_ratio.h"

namespace nubera {

std::vector<std::string> RunWarnings(const ProjectData& project) {
    std::vector<std::string> warnings;
    if (std::string poisson = PoissonRatioWarning(project.alsoLateral, project.poissonRatio);
        !poisson.empty()) {
        warnings.push_back(std::move(poisson));
    }
    for (const RangedValue& value : FindImplausibleValues(project)) {
        warnings.push_back(ImplausibleValueText(value));
    }
    return warnings;
}

}  // namespace nubera
