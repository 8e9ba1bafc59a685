#pragma once

#include <optional>
#include <string>
#include <vector>

#include "boring/boring_log.h"
#include "model/soil_derivation.h"

namespace nubera {

// E = α·N (kN/m²) from the standard penetration test.
inline constexpr double kDefaultAlpha = 2800;
inline constexpr double kMaxAlpha = 100000;
// A test counts the blows for 30 cm. One stopped short is converted to 30 cm,
// N = 30·blows / penetration, capped at kMaxConvertedN.
inline constexpr double kFullPenetrationCm = 30;

// The N-value of a test, rounded to one decimal.
double NValueOf(const PenetrationTest& test);

struct ProposalOptions {
    double alpha = kDefaultAlpha;
    std::optional<double> cutDepth;  // H (m); the bottom of the log when not given
    bool mergeAlike = false;         // adjacent divisions of the same name become one layer
};

// The layers proposed from a log: each division a layer (adjacent ones of the
// same name merged on request), cut at H; N̄ and Es = α·N̄ per layer, and a
// layer without a test marked by having neither.
struct LayerProposal {
    double alpha = kDefaultAlpha;
    double cutDepth = 0;
    bool merged = false;
    std::vector<DerivedLayer> layers;

    bool operator==(const LayerProposal&) const = default;
};

// The layers of a log. Refuses (Japanese message in *error) an α that is not
// a positive number up to kMaxAlpha, and a cut depth outside (0, log bottom].
std::optional<LayerProposal> ProposeLayers(const BoringLog& log, const ProposalOptions& options,
                                           std::string* error);

}  // namespace nubera
