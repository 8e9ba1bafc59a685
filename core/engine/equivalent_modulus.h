#pragma once

#include <limits>
#include <vector>

#include "engine/engine_input.h"

namespace nubera {

// Shown when the soil layers give Em = 0.
inline constexpr const char* kEquivalentModulusZero =
    "Em値(換算変形係数)の値が0になりました。\n"
    "Em値が0の場合は、計算できません。\n"
    "土質条件入力画面で入力した値をご確認ください。";

// The two sums of the equivalent modulus: Em = N / S.
struct ModulusSums {
    double N = 0;  // ln[(B + 2H T) L / ((L + 2H T) B)]
    double S = 0;  // sum (1/E_i) ln[(B + 2h_i T)(L + 2h_(i-1) T) / ((L + 2h_i T)(B + 2h_(i-1) T))]
};

// An Em a run can compute with: positive and finite. Em = 0 is what the
// Em message names; a negative or infinite one (layers whose depths do not
// increase) would give confident but meaningless settlements.
inline bool UsableModulus(double em) {
    return em > 0 && em < std::numeric_limits<double>::infinity();
}

// The layered ground replaced by one homogeneous ground for the strip-load
// formulas. A loaded B x L rectangle at the surface spreads outward at 30
// degrees with depth (T = tan 30 deg), so that each layer carries the load
// over a larger area than the one above; the equivalent modulus is the
// harmonic mean of the layer moduli weighted by how much of the spread
// happens within each layer: Em = N / S, with h_i the depth of layer i's
// bottom, h_(-1) = 0 and H the last depth.
//
// Inputs: B (m) the excavation width and L (m) the levee width, both > 0 and
// finite; layers top first, each depth >= 0 and not above the one before,
// each modulus (kN/m2) > 0.
// Throws EngineError, naming the layer when there is one: no layers
// (kSoilLayersMissing), B or L not positive and finite, a modulus not
// positive, a depth that makes a ratio not positive and finite.
ModulusSums EquivalentModulusSums(const std::vector<SoilLayer>& layers, double B, double L);

// Em (kN/m2) = N / S above, rounded half up to 2 decimals; a sum S of
// exactly 0 gives Em = 0, which callers report (kEquivalentModulusZero).
// Throws EngineError as EquivalentModulusSums does, and when N / S is beyond
// the range of a double.
double EquivalentModulus(const std::vector<SoilLayer>& layers, double B, double L);

}  // namespace nubera
