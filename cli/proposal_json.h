#pragma once

#include <nlohmann/json.hpp>

#include "boring/boring_log.h"
#include "boring/layer_proposal.h"

namespace nubera::cli {

// One JSON object: boring (name, dtdVersion, groundLevel or null,
// totalLength), alpha, depth (the cut depth H), merged, and layers, each with
// name, top, bottom, thickness, testDepths, nValues, meanN (null for a layer
// without a test) and es (null as well, and for a layer of N̄ 0); then the
// reader's warnings (texts).
nlohmann::ordered_json ProposalJson(const BoringLog& log, const LayerProposal& proposal);

}  // namespace nubera::cli
