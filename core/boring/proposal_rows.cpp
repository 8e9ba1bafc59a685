#include "boring/proposal_rows.h"

#include "text/cp932.h"
#include "text/number_text.h"
#include "text/path_text.h"

namespace nubera {
namespace {

// Why α·N̄ gives a layer no Es, to follow its label; nothing when it gives one.
std::optional<std::string> ModulusMissing(const DerivedLayer& layer) {
    if (!layer.meanN) return "には標準貫入試験がないため";
    if (*layer.meanN == 0) return "は N値の平均が 0 のため";
    return std::nullopt;
}

}  // namespace

std::vector<SoilLayerRow> SoilRowsOf(const LayerProposal& proposal) {
    std::vector<SoilLayerRow> rows;
    for (const DerivedLayer& layer : proposal.layers) {
        const auto modulus = DerivedModulus(proposal.alpha, layer);
        rows.push_back({FormatFixed2(layer.Thickness()), FormatFixed2(layer.bottom),
                        modulus ? FormatNumber(*modulus) : std::string()});
    }
    return rows;
}

SoilDerivation DerivationOf(const LayerProposal& proposal, const BoringLog& log,
                            const std::filesystem::path& path) {
    return {Cp932Writable(Utf8FromPath(path.filename())), log.name, proposal.alpha,
            proposal.layers};
}

std::string LayerLabel(const LayerProposal& proposal, std::size_t layer) {
    const DerivedLayer& derived = proposal.layers.at(layer);
    return "第" + std::to_string(layer + 1) + "層「" + derived.name + "」(" +
           FormatFixed2(derived.top) + "～" + FormatFixed2(derived.bottom) + " m)";
}

std::optional<std::string> TooManyLayers(std::size_t layerCount) {
    if (layerCount <= kMaxSoilLayers) return std::nullopt;
    return "層が " + std::to_string(layerCount) + " あります。土質条件は " +
           std::to_string(kMaxSoilLayers) +
           " 層までです（同じ土質の層をまとめるか、深度 H を浅くしてください）。";
}

std::optional<std::string> ProposalUnfit(const LayerProposal& proposal) {
    if (auto tooMany = TooManyLayers(proposal.layers.size())) return tooMany;
    for (std::size_t i = 0; i < proposal.layers.size(); ++i) {
        if (auto missing = ModulusMissing(proposal.layers[i])) {
            return LayerLabel(proposal, i) + *missing +
                   "、Es が決まりません（Es を入力してください）。";
        }
        // A layer without stiffness is no layer: the soil screen and the run
        // refuse an Es of 0.
        if (DerivedModulus(proposal.alpha, proposal.layers[i]) == 0.0) {
            return LayerLabel(proposal, i) + "の Es が係数 α " + FormatNumber(proposal.alpha) +
                   " では 0 になります（α を大きくしてください）。";
        }
    }
    return std::nullopt;
}

}  // namespace nubera
