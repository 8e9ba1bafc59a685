#include "boring/layer_proposal.h"

#include <cmath>
#include <numeric>

#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera {
namespace {

constexpr int kDepthDecimals = 2;
constexpr int kNDecimals = 1;

// The divisions as layers with rounded depth ranges; a division whose range
// rounds to nothing holds no test and is left out.
std::vector<DerivedLayer> LayersOfDivisions(const BoringLog& log, bool mergeAlike) {
    std::vector<DerivedLayer> layers;
    double top = 0;
    for (const BoringDivision& division : log.divisions) {
        const double bottom = RoundHalf(division.bottomDepth, kDepthDecimals);
        if (bottom <= top) continue;
        if (mergeAlike && !layers.empty() && !division.name.empty() &&
            layers.back().name == division.name) {
            layers.back().bottom = bottom;
        } else {
            DerivedLayer layer;
            layer.name = division.name;
            layer.top = top;
            layer.bottom = bottom;
            layers.push_back(std::move(layer));
        }
        top = bottom;
    }
    return layers;
}

void CutAt(std::vector<DerivedLayer>& layers, double depth) {
    std::erase_if(layers, [&](const DerivedLayer& layer) { return layer.top >= depth; });
    if (!layers.empty() && layers.back().bottom > depth) layers.back().bottom = depth;
}

void AssignTests(DerivedLayer& layer, const std::vector<PenetrationTest>& tests) {
    for (const PenetrationTest& test : tests) {
        if (test.startDepth >= layer.top && test.startDepth < layer.bottom) {
            layer.testDepths.push_back(test.startDepth);
            layer.nValues.push_back(NValueOf(test));
        }
    }
    if (layer.nValues.empty()) return;
    const double sum = std::accumulate(layer.nValues.begin(), layer.nValues.end(), 0.0);
    layer.meanN = RoundHalf(sum / static_cast<double>(layer.nValues.size()), kNDecimals);
}

}  // namespace

double NValueOf(const PenetrationTest& test) {
    if (test.penetrationCm >= kFullPenetrationCm) return RoundHalf(test.blows, kNDecimals);
    // No penetration at all is a refusal: as hard as the cap allows.
    if (test.penetrationCm <= 0) return kMaxConvertedN;
    const double converted = kFullPenetrationCm * test.blows / test.penetrationCm;
    return std::min(RoundHalf(converted, kNDecimals), kMaxConvertedN);
}

std::optional<LayerProposal> ProposeLayers(const BoringLog& log, const ProposalOptions& options,
                                           std::string* error) {
    if (!std::isfinite(options.alpha) || options.alpha <= 0 || options.alpha > kMaxAlpha) {
        *error =
            "係数 α は 0 より大きく " + FormatNumber(kMaxAlpha) + " 以下の数で指定してください。";
        return std::nullopt;
    }
    LayerProposal proposal;
    proposal.alpha = options.alpha;
    proposal.merged = options.mergeAlike;
    proposal.layers = LayersOfDivisions(log, options.mergeAlike);
    const double logBottom = proposal.layers.empty() ? 0 : proposal.layers.back().bottom;
    const double wanted = options.cutDepth.value_or(logBottom);
    // NaN fails the first test; what passes it rounds to at most the bottom.
    proposal.cutDepth =
        wanted > 0 && wanted < logBottom + 1 ? RoundHalf(wanted, kDepthDecimals) : 0;
    if (proposal.cutDepth <= 0 || proposal.cutDepth > logBottom) {
        *error = "深度 H は 0 より大きく、ボーリングの記録の深さ " + FormatFixed2(logBottom) +
                 " m 以下で指定してください。";
        return std::nullopt;
    }
    CutAt(proposal.layers, proposal.cutDepth);
    for (DerivedLayer& layer : proposal.layers) AssignTests(layer, log.tests);
    return proposal;
}

}  // namespace nubera
