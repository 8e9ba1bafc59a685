#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>

#include "boring/layer_proposal.h"

namespace nubera::cli {

// What `nubera-cli boring` was asked to do.
struct BoringOptions {
    std::filesystem::path file;  // the boring exchange file
    ProposalOptions proposal;
    bool json = false;
    // A project whose soil conditions come from the log (fill loads left
    // empty), written only when the layers all have Es and fit the screen.
    std::optional<std::filesystem::path> projectOut;
    double excavationWidth = 0;  // m, with projectOut
    double leveeWidth = 0;       // m, with projectOut
    bool replace = false;        // replace a file that has projectOut's name
};

// Reads the log, prints the proposed layers (a table, or one JSON object),
// and writes the project when asked. A refused file, option or proposal
// prints the program's message to `err` and returns 1; success returns 0.
int RunBoring(const BoringOptions& options, std::ostream& out, std::ostream& err);

}  // namespace nubera::cli
