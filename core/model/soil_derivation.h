#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/cell_table.h"

namespace nubera {

// A penetration test stopped short is converted to 30 cm of penetration, and
// the converted N-value capped here: a hard layer is then taken no stiffer
// than N = 50, which keeps the settlement on the safe side.
inline constexpr double kMaxConvertedN = 50;

// One soil layer as read off a boring log: its depth range (m, two
// decimals), the penetration tests whose start depth lies in it with their
// N-values, and their mean N̄ (one decimal); no N̄ when no test lies in it.
struct DerivedLayer {
    std::string name;  // the division's name as logged
    double top = 0;
    double bottom = 0;
    std::vector<double> testDepths;
    std::vector<double> nValues;
    std::optional<double> meanN;

    double Thickness() const;
    bool operator==(const DerivedLayer&) const = default;
};

// Es = α·N̄, rounded to whole kN/m² as the soil screen takes it.
double ModulusFromN(double alpha, double meanN);
// Es of a layer by the relation; nothing for a layer without a test, or
// whose tests are all N = 0: the relation gives such a layer no stiffness,
// so its Es is entered by hand like that of a layer without a test.
std::optional<double> DerivedModulus(double alpha, const DerivedLayer& layer);

// How N-values are shown: "1, 0, 2"; a mean with its one decimal, "1.0".
std::string NValuesText(const std::vector<double>& nValues);
std::string MeanNText(double meanN);

// Where the soil layers came from when they were read off a boring log, so
// that a checker can follow each Es back to the measured N-values.
struct SoilDerivation {
    std::string fileName;              // the log's file name, without its folder
    std::string boringName;            // ボーリング名
    double alpha = 0;                  // E = α·N (kN/m²)
    std::vector<DerivedLayer> layers;  // one per soil layer, top first

    bool operator==(const SoilDerivation&) const = default;
};

// The derivation still describes these layers: as many, with the same bottom
// depths. An edit that adds, removes or reshapes a layer ends it.
bool DescribesLayers(const SoilDerivation& derivation, const CellTable& soilLayers);

// Es of a layer was typed rather than taken from α·N̄.
bool ModulusTyped(const SoilDerivation& derivation, std::size_t layer, double modulus);

}  // namespace nubera
