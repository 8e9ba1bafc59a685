#pragma once

#include <string>
#include <string_view>

#include "boring/layer_proposal.h"

namespace nubera::web {

// What the page asks of a boring log: the proposal's options and, for a
// project of its layers, both widths (m; NaN when not given, which refuses
// the project).
struct BoringRequest {
    ProposalOptions proposal;
    double excavationWidth = 0;
    double leveeWidth = 0;
};

// The log's layers as nubera-cli boring answers: its JSON (--json) and the
// table it prints, or the message it refuses the log with; and the project
// it would write with the widths (--write-project), named after the log, or
// why it would not.
struct BoringAnswer {
    std::string refusal;
    std::string json;
    std::string view;  // {lines, headers, rows, warnings}: the printed texts
    std::string project;
    std::string projectName;
    std::string projectRefusal;
};

BoringAnswer ProposeFromBoring(std::string_view bytes, std::string_view fileName,
                               const BoringRequest& request);

}  // namespace nubera::web
