#include "engine/equivalent_modulus.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/engine_error.h"

namespace nubera {
namespace {

// Layers as (depth of the bottom, Es) pairs.
SoilLayerTable Layers(const std::vector<std::pair<double, double>>& layers) {
    SoilLayerTable table = MakeSoilLayerTable();
    table.ResizeRows(layers.size());
    double previous = 0;
    for (std::size_t r = 0; r < layers.size(); ++r) {
        table.At(soil_column::kThickness, r) = Cell::Number(layers[r].first - previous);
        table.At(soil_column::kDepth, r) = Cell::Number(layers[r].first);
        table.At(soil_column::kModulus, r) = Cell::Number(layers[r].second);
        previous = layers[r].first;
    }
    return table;
}

double Em(const std::vector<std::pair<double, double>>& layers, double B = 10, double L = 20) {
    ProjectData project;
    project.soilLayers = Layers(layers);
    CalcResults results;
    double em = EquivalentModulus(project, results, B, L);
    EXPECT_EQ(results.equivalentModulus, em);
    return em;
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
        {{{-10, 6860}},
         10,
         20,
         "土質条件の第1層の深度が不正なため、Em値(換算変形係数)を計算できません。"},
    };
    for (const auto& c : cases) {
        ProjectData project;
        project.soilLayers = Layers(c.layers);
        CalcResults results;
        results.equivalentModulus = 42;
        try {
            EquivalentModulus(project, results, c.B, c.L);
            ADD_FAILURE() << c.message;
        } catch (const EngineError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_EQ(results.equivalentModulus, 42) << "left as it was";
    }
}

TEST(EquivalentModulus, AbsentSoilLayersAreRefused) {
    ProjectData project;
    CalcResults results;
    EXPECT_THROW(EquivalentModulus(project, results, 10, 20), EngineError);
}

}  // namespace
}  // namespace nubera
