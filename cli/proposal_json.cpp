#include "cli/proposal_json.h"

namespace nubera::cli {
namespace {

using json = nlohmann::ordered_json;

template <typename T>
json OrNull(const std::optional<T>& value) {
    return value ? json(*value) : json(nullptr);
}

json LayerJson(const DerivedLayer& layer, double alpha) {
    return {{"name", layer.name},
            {"top", layer.top},
            {"bottom", layer.bottom},
            {"thickness", layer.Thickness()},
            {"testDepths", layer.testDepths},
            {"nValues", layer.nValues},
            {"meanN", OrNull(layer.meanN)},
            {"es", OrNull(DerivedModulus(alpha, layer))}};
}

}  // namespace

json ProposalJson(const BoringLog& log, const LayerProposal& proposal) {
    json layers = json::array();
    for (const DerivedLayer& layer : proposal.layers) {
        layers.push_back(LayerJson(layer, proposal.alpha));
    }
    return {{"boring",
             {{"name", log.name},
              {"dtdVersion", log.dtdVersion},
              {"groundLevel", OrNull(log.groundLevel)},
              {"totalLength", log.totalLength}}},
            {"alpha", proposal.alpha},
            {"depth", proposal.cutDepth},
            {"merged", proposal.merged},
            {"layers", layers},
            {"warnings", log.warnings}};
}

}  // namespace nubera::cli
