#pragma once

#include "model/project_description.h"
#include "projectfile/project_preamble.h"

namespace nubera {

// The non-empty fields as preamble entries, in the fields' order.
void AppendDescription(const ProjectDescription& description, ProjectPreamble& preamble);

// The fields a preamble holds (the last entry of a key counts); other keys are
// someone else's and ignored.
ProjectDescription DescriptionFromPreamble(const ProjectPreamble& preamble);

}  // namespace nubera
