#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "boring/boring_log.h"
#include "boring/layer_proposal.h"
#include "model/soil_derivation.h"
#include "screenrules/soil_layer_rules.h"

namespace nubera {

// The proposal as the soil grid shows layers typed by hand: thickness and
// depth "0.00", Es as a plain number; Es empty for a layer without a test.
std::vector<SoilLayerRow> SoilRowsOf(const LayerProposal& proposal);

// What the project keeps of a proposal taken over from the log at `path`; a
// character of the file name the project file cannot hold becomes "?".
SoilDerivation DerivationOf(const LayerProposal& proposal, const BoringLog& log,
                            const std::filesystem::path& path);

// The layer's place and name as messages name it: "第3層「腐植土」(2.85～3.10 m)".
std::string LayerLabel(const LayerProposal& proposal, std::size_t layer);

// More layers than the soil screen takes: the message saying so.
std::optional<std::string> TooManyLayers(std::size_t layerCount);

// Why the proposal cannot become the project's layers as it stands (a layer
// without Es or with an Es of 0, more layers than the screen takes); nothing
// when it can.
std::optional<std::string> ProposalUnfit(const LayerProposal& proposal);

}  // namespace nubera
