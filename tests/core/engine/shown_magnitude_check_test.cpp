#include "engine/shown_magnitude_check.h"

#include <gtest/gtest.h>

#include "engine/calculation.h"
#include "engine/engine_error.h"
#include "tests/case_name.h"
#include "tests/core/one_block_project.h"
#include "tests/core/project_change.h"

namespace nubera {
namespace {

using test::FillValue;
using test::OneBlockProject;
using test::ProjectChange;
using test::SoilValue;
using test::SurchargeLoad;

struct MagnitudeCase {
    const char* name;
    ProjectChange change;
    const char* refusal;  // the whole message; nullptr when the run computes
};

class ShownMagnitudes : public ::testing::TestWithParam<MagnitudeCase> {};

// Beyond 1E+15 a number text takes the exponent form: such a value, or a
// result it leads to, never reaches the report.
TEST_P(ShownMagnitudes, AreRefusedBeyondWhatTheNumberTextShows) {
    ProjectData project = OneBlockProject();
    GetParam().change(project);
    CalcResults results;
    if (!GetParam().refusal) {
        EXPECT_EQ(RunCalculation(project, results, Placement::Automatic), RunOutcome::Computed);
        return;
    }
    try {
        RunCalculation(project, results, Placement::Automatic);
        FAIL() << "computed";
    } catch (const EngineError& error) {
        EXPECT_STREQ(error.what(), GetParam().refusal);
    }
}

// The project's layer read off a boring log: α, and one test of N.
ProjectChange Boring(double alpha, double n) {
    return [=](ProjectData& p) {
        DerivedLayer layer{"砂", 0, 5, {1}, {n}, n};
        p.soilDerivation = SoilDerivation{"log.xml", "B-1", alpha, {layer}};
    };
}

INSTANTIATE_TEST_SUITE_P(
    HandEditedFiles, ShownMagnitudes,
    ::testing::Values(
        MagnitudeCase{"modulus_1e15", SoilValue(soil_column::kModulus, 1e15), nullptr},
        MagnitudeCase{
            "modulus_1e40", SoilValue(soil_column::kModulus, 1e40),
            "土質条件の第1層の変形係数Es(1E+40)が扱える範囲(±1E+15 kN/㎡)を超えています。"},
        MagnitudeCase{"modulus_1_1e15", SoilValue(soil_column::kModulus, 1.1e15),
                      "土質条件の第1層の変形係数Es(1.1E+15)が扱える範囲(±1E+15 kN/㎡)を超えてい"
                      "ます。"},
        MagnitudeCase{"load_1e40", FillValue(fill_column::kLoad, 1e40),
                      "盛土荷重 q1 の荷重q(1E+40)が扱える範囲(±1E+15 kN/㎡)を超えています。"},
        MagnitudeCase{"unit_weight_1e40", FillValue(fill_column::kUnitWeight, 1e40),
                      "盛土荷重 q1 の単位重量γt(1E+40)が扱える範囲(±1E+15 kN/m³)を超えていま"
                      "す。"},
        MagnitudeCase{"unit_weight_minus_1e40", FillValue(fill_column::kUnitWeight, -1e40),
                      "盛土荷重 q1 の単位重量γt(-1E+40)が扱える範囲(±1E+15 kN/m³)を超えていま"
                      "す。"},
        MagnitudeCase{"surcharge_1e40", SurchargeLoad(1e40),
                      "上載荷重 qX の荷重(1E+40)が扱える範囲(±1E+15 kN/㎡)を超えています。"},
        MagnitudeCase{"n_value_1e40", Boring(700, 1e40),
                      "土質条件の第1層のN値(1E+40)が扱える範囲(±1E+15)を超えています。"},
        MagnitudeCase{"alpha_1e40", Boring(1e40, 10),
                      "ボーリングから求めたEsの係数α(1E+40)が扱える範囲(±1E+15)を超えています。"},
        // Each value shown, the settlements of a load of 1E+14 on an Em of
        // 0.02 are not.
        MagnitudeCase{"settlement_beyond",
                      [](ProjectData& p) {
                          SoilValue(soil_column::kModulus, 0.02)(p);
                          FillValue(fill_column::kLoad, 1e14)(p);
                      },
                      "値が扱える範囲を超えたため、盛土荷重 q1 の着目点①の即時沈下量を計算でき"
                      "ません。"}),
    test::CaseName());

}  // namespace
}  // namespace nubera
