#pragma once

#include <array>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/placement.h"
#include "model/project_data.h"

namespace nubera {

// One quantity (settlement or lateral displacement) at one point, in cm: the
// result of every load (fill rows, then the surcharge) and their total.
// Nothing anywhere for a point that is not placed.
struct PointValues {
    std::vector<std::optional<double>> loads;
    std::optional<double> total;

    bool operator==(const PointValues&) const = default;
};

using QuantityAtPoints = std::array<PointValues, kPointCount>;

// What a run of the project as it stands gives, without a workbook: the
// numbers the workspace shows while the person edits, computed by the same
// sequence as 実行 (the Poisson's-ratio check, the run rule, the inputs'
// bounds, Em, the placement, the settlement and, when asked for, the lateral
// displacement).
struct DesignResults {
    // What 実行 would say instead of computing; empty once computed.
    std::string whyNot;
    double equivalentModulus = 0;  // Em, kN/m2
    double poissonRatio = 0;       // the ratio the lateral step used
    // "q1".."q5", then "qX" with a surcharge.
    std::vector<std::string> loadLabels;
    // The points' section coordinates (m from the centre of fill row 0).
    std::array<std::optional<double>, kPointCount> x{};
    QuantityAtPoints settlement{};
    std::optional<QuantityAtPoints> lateral;

    bool Computed() const { return whyNot.empty(); }
    bool operator==(const DesignResults&) const = default;
};

// Runs the project as 実行 would with the placement option and the text of
// the Poisson's-ratio box as they stand. Never throws: every refusal becomes
// whyNot, with the text 実行 shows for it.
DesignResults ComputeDesignResults(const ProjectData& project, Placement placement,
                                   std::string_view poissonText);

// The message of a run stopped by `error`: an engine step's refusal, or
// anything else that went wrong while calculating.
std::string CalculationFailureText(const std::exception& error);

}  // namespace nubera
