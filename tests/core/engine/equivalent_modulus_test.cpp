#include "engine/equivalent_modulus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "engine/engine_error.h"

namespace nubera {
namespace {

// Layers as (depth of the bottom, Es) pairs.
std::vector<SoilLayer> Layers(const std::vector<std::pair<double, double>>& layers) {
    std::vector<SoilLayer> converted;
    for (const auto& [depth, modulus] : layers) converted.push_back({depth, modulus});
    return converted;
}

double Em(const std::vector<std::pair<double, double>>& layers, double B = 10, double L = 20) {
    return EquivalentModulus(Layers(layers), B, L);
}

struct WorkedExample {
    std::vector<std::pair<double, double>> layers;
    double N;
    double S;
    double em;
};

TEST(EquivalentModulus, WorkedExamples) {
    const WorkedExample examples[] = {
        {{{5, 6860}}, 0.2021317, 2.9465267e-5, 6860},
        {{{5, 6860}, {10, 14000}}, 0.3119054, 3.7306240e-5, 8360.68},
        {{{3, 2800}, {8, 7000}, {15, 21000}}, 0.3812418, 7.3810475e-5, 5165.15},
    };
    for (const auto& example : examples) {
        ModulusSums sums = EquivalentModulusSums(Layers(example.layers), 10, 20);
        EXPECT_NEAR(sums.N, example.N, 5e-8);
        EXPECT_NEAR(sums.S, example.S, 5e-13);
        EXPECT_EQ(Em(example.layers), example.em);
    }
}

TEST(EquivalentModulus, EqualModuliGiveThatModulusWhateverTheThicknesses) {
    EXPECT_EQ(Em({{1.5, 5000}, {2, 5000}, {9.25, 5000}}), 5000);
    EXPECT_EQ(Em({{0.3, 1234.5}}, 3, 50), 1234.5);
}

TEST(EquivalentModulus, ALayerOfZeroThicknessContributesNothing) {
    EXPECT_EQ(Em({{5, 6860}, {5, 1}, {10, 14000}}), 8360.68);
}

TEST(EquivalentModulus, ZeroSumGivesZeroForTheCallerToReport) {
    EXPECT_EQ(Em({{0, 6860}}), 0);
}

TEST(EquivalentModulus, RefusesInputThatWouldDivideByZeroOrTakeLogOfNonPositive) {
    struct {
        std::vector<std::pair<double, double>> layers;
        double B;
        double L;
        const char* message;
    } cases[] = {
        {{{5, 6860}}, 0, 20, "開削幅が0以下のため、Em値(換算変形係数)を計算できません。"},
        {{{5, 6860}}, 10, -1, "堤体幅が0以下のため、Em値(換算変形係数)を計算できません。"},
        {{{5, 6860}, {8, 0}},
         10,
         20,
         "土質条件の第2層の変形係数Esが0のため、Em値(換算変形係数)を計算できません。"},
        {{{5, 6860}, {8, -7000}},
         10,
         20,
         "土質条件の第2層の変形係数Esが正の数でないため、Em値(換算変形係数)を計算できません。"},
        {{{5, std::nan("")}},
         10,
         20,
         "土質条件の第1層の変形係数Esが正の数でないため、Em値(換算変形係数)を計算できません。"},
        {{{5, 6860}},
         std::nan(""),
         20,
         "開削幅が0以下のため、Em値(換算変形係数)を計算できません。"},
        {{{-10, 6860}},
         10,
         20,
         "土質条件の第1層の深度が不正なため、Em値(換算変形係数)を計算できません。"},
    };
    for (const auto& c : cases) {
        try {
            EquivalentModulus(Layers(c.layers), c.B, c.L);
            ADD_FAILURE() << c.message;
        } catch (const EngineError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(EquivalentModulus, AbsentSoilLayersAreRefused) {
    EXPECT_THROW(EquivalentModulus({}, 10, 20), EngineError);
    ProjectData project;
    EXPECT_THROW(EquivalentModulus(EngineInputOf(project).layers, 10, 20), EngineError);
}

}  // namespace
}  // namespace nubera
