#pragma once

#include "model/calc_results.h"
#include "model/project_data.h"

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

// N and S of the layers for a B x L rectangle, T = tan 30 deg, h_i the depth
// of layer i's bottom (m), h_(-1) = 0, H the last depth. Throws EngineError
// when the layers are absent, B or L is not positive, a modulus is 0 or a
// ratio is not positive and finite.
ModulusSums EquivalentModulusSums(const SoilLayerTable& layers, double B, double L);

// Equivalent deformation modulus Em (kN/m2) of the layered ground, a weighted
// harmonic mean of the layer moduli where each layer's weight comes from how a
// B x L rectangle widens through it at 30 degrees: Em = N / S above.
// B = excavation width, L = levee width (m). Stores RoundHalf(Em) in
// results.equivalentModulus and returns it; a sum S of exactly 0 gives Em = 0,
// which callers report (kEquivalentModulusZero). Throws EngineError as
// EquivalentModulusSums does, leaving results unchanged.
double EquivalentModulus(const ProjectData& project, CalcResults& results, double B, double L);

}  // namespace nubera
