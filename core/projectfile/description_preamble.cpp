#include "projectfile/description_preamble.h"

namespace nubera {

void AppendDescription(const ProjectDescription& description, ProjectPreamble& preamble) {
    for (const DescriptionField& field : DescriptionFields()) {
        const std::string& value = description.*field.member;
        if (!value.empty()) preamble.push_back({std::string(field.key), value});
    }
}

ProjectDescription DescriptionFromPreamble(const ProjectPreamble& preamble) {
    ProjectDescription description;
    for (const DescriptionField& field : DescriptionFields()) {
        description.*field.member = PreambleValue(preamble, field.key);
    }
    return description;
}

}  // namespace nubera
