#include "screenrules/run_enabling_rule.h"

#include <vector>

namespace nubera {
namespace {

std::vector<const char*> MissingInputs(const ProjectData& project, Placement placement) {
    std::vector<const char*> missing;
    if (!project.soilLayers) missing.push_back("土質条件の入力");
    if (!project.fillLoads) missing.push_back("盛土荷重の入力");
    if (placement == Placement::Manual && !project.focusPoints) {
        missing.push_back("着目点の手動設定");
    }
    return missing;
}

}  // namespace

bool RunAllowed(const ProjectData& project, Placement placement) {
    return MissingInputs(project, placement).empty();
}

std::string RunRequirementText(const ProjectData& project, Placement placement) {
    const std::vector<const char*> missing = MissingInputs(project, placement);
    if (missing.empty()) return {};
    std::string text = "実行するには、";
    for (std::size_t i = 0; i < missing.size(); ++i) {
        if (i > 0) text += "、";
        text += missing[i];
    }
    return text + "が必要です。";
}

}  // namespace nubera
