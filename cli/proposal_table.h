#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "boring/boring_log.h"
#include "boring/layer_proposal.h"

namespace nubera::cli {

// The layers proposed from a log as `nubera-cli boring` prints them and the
// browser's page shows them, every value a text (the log's names with their
// control characters as escapes): lines about the log and the proposal
// (cells of a line are printed tab-separated), then the table.
struct ProposalTable {
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

ProposalTable MakeProposalTable(const BoringLog& log, const LayerProposal& proposal,
                                const std::filesystem::path& file);

}  // namespace nubera::cli
