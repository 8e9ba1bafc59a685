#pragma once

#include <optional>
#include <string>
#include <vector>

#include "boring/boring_log.h"

namespace nubera {

// E = α·N (kN/m²) from the standard penetration test.
inline constexpr double kDefaultAlpha = 2800;
inline constexpr double kMaxAlpha = 100000;
// A test counts the blows for 30 cm. One stopped short is converted to 30 cm,
// N = 30·blows / penetration, and the converted value is capped here: a hard
// layer is then taken no stiffer than N = 50, which keeps the settlement on
// the safe side.
inline constexpr double kFullPenetrationCm = 30;
inline constexpr double kMaxConvertedN = 50;

// The N-value of a test, rounded to one decimal.
double NValueOf(const PenetrationTest& test);

struct ProposalOptions {
    double alpha = kDefaultAlpha;
    std::optional<double> cutDepth;  // H (m); the bottom of the log when not given
    bool mergeAlike = false;         // adjacent divisions of the same name become one layer
};

// One proposed soil layer: its depth range in m (two decimals), the tests
// whose start depth lies in it, their mean N̄ (one decimal) and Es = α·N̄
// rounded to whole kN/m². A layer without a test has neither: Es is typed
// by hand.
struct ProposedLayer {
    std::string name;
    double top = 0;
    double bottom = 0;
    std::vector<double> testDepths;
    std::vector<double> nValues;
    std::optional<double> meanN;
    std::optional<double> modulus;

    double Thickness() const;
    bool operator==(const ProposedLayer&) const = default;
};

struct LayerProposal {
    double alpha = kDefaultAlpha;
    double cutDepth = 0;
    bool merged = false;
    std::vector<ProposedLayer> layers;

    bool operator==(const LayerProposal&) const = default;
};

// Es of a mean N-value.
double ModulusOf(double alpha, double meanN);

// The layers of a log. Refuses (Japanese message in *error) an α that is not
// a positive number up to kMaxAlpha, and a cut depth outside (0, log bottom].
std::optional<LayerProposal> ProposeLayers(const BoringLog& log, const ProposalOptions& options,
                                           std::string* error);

}  // namespace nubera
