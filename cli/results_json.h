#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "cli/run_summary.h"

namespace nubera::cli {

// One JSON object with, in this order, the keys alsoLateral, placement ("automatic" /
// "manual"), poissonRatio, excavationWidth, leveeWidth, equivalentModulus,
// pointOffsets (load rows x 11), settlementDetail (fill rows x 11 x 13),
// surchargeSettlementDetail (11 x 13, null without a surcharge),
// lateralDetail (null in settlement-only mode), surchargeLateralDetail (null
// unless both apply), workbook (its path, or null), pdf (its path, or null) and
// warnings (texts, RunWarnings). Missing cells are null.
nlohmann::ordered_json ResultsJson(const RunSummary& summary);

// A JSON value as one line of text. A path need not be UTF-8 (a folder named
// in code page 932, say); its invalid bytes print as U+FFFD rather than end
// the program.
std::string JsonLine(const nlohmann::ordered_json& value);

}  // namespace nubera::cli
