#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "boring/boring_log.h"
#include "boring/layer_proposal.h"
#include "model/project_data.h"

namespace nubera::cli {

// A new project whose soil conditions are the proposed layers (fill loads
// left empty), with the widths B and L (m) and a record of the log at
// `file`. Refuses (the program's message in *error) layers that do not all
// have Es or are more than the soil screen takes, and a width outside the
// screen's (0, 100].
std::optional<ProjectData> ProjectOfProposal(const BoringLog& log, const LayerProposal& proposal,
                                             const std::filesystem::path& file,
                                             double excavationWidth, double leveeWidth,
                                             std::string* error);

}  // namespace nubera::cli
