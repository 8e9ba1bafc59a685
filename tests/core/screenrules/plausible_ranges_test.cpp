#include "screenrules/plausible_ranges.h"

#include <gtest/gtest.h>

#include "screenrules/run_warnings.h"
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

struct RangeCase {
    const char* name;
    ProjectChange change;
    const char* warned;  // the value's name in the warning; nullptr inside its range
};

class PlausibleRanges : public ::testing::TestWithParam<RangeCase> {};

// The one-block project holds every value inside its range: each case moves
// one value to a bound or just beyond it.
TEST_P(PlausibleRanges, WarnOfAValueBeyondItsBoundsOnly) {
    ProjectData project = OneBlockProject();
    GetParam().change(project);
    const std::vector<RangedValue> found = FindImplausibleValues(project);
    if (!GetParam().warned) {
        EXPECT_TRUE(found.empty()) << ImplausibleValueText(found.front());
        return;
    }
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Name(), GetParam().warned);
}

ProjectChange Poisson(double ratio, bool lateral = true) {
    return [=](ProjectData& p) {
        p.alsoLateral = lateral;
        p.poissonRatio = ratio;
    };
}

// A second layer from 5 m down to `depth`.
ProjectChange SecondLayerTo(double depth) {
    return [=](ProjectData& p) {
        p.soilLayers->ResizeRows(2);
        p.soilLayers->At(soil_column::kThickness, 1) = Cell::Number(depth - 5);
        p.soilLayers->At(soil_column::kDepth, 1) = Cell::Number(depth);
        p.soilLayers->At(soil_column::kModulus, 1) = Cell::Number(6860);
    };
}

// The layer read off a boring log with the tests' N-values; `bottom` 5
// describes the project's layer, anything else no longer does.
ProjectChange Boring(double n, double bottom = 5) {
    return [=](ProjectData& p) {
        DerivedLayer layer;
        layer.top = 0;
        layer.bottom = bottom;
        layer.testDepths = {1, 2};
        layer.nValues = {12, n};
        layer.meanN = (12 + n) / 2;
        p.soilDerivation = SoilDerivation{"log.xml", "B-1", 700, {layer}};
    };
}

INSTANTIATE_TEST_SUITE_P(
    AtAndBeyondEachBound, PlausibleRanges,
    ::testing::Values(
        RangeCase{"unit_weight_12", FillValue(fill_column::kUnitWeight, 12), nullptr},
        RangeCase{"unit_weight_11_99", FillValue(fill_column::kUnitWeight, 11.99),
                  "盛土荷重 q1 の単位重量γt"},
        RangeCase{"unit_weight_25", FillValue(fill_column::kUnitWeight, 25), nullptr},
        RangeCase{"unit_weight_25_01", FillValue(fill_column::kUnitWeight, 25.01),
                  "盛土荷重 q1 の単位重量γt"},
        RangeCase{"modulus_100", SoilValue(soil_column::kModulus, 100), nullptr},
        RangeCase{"modulus_99_99", SoilValue(soil_column::kModulus, 99.99),
                  "土質条件の第1層の変形係数Es"},
        RangeCase{"modulus_1e7", SoilValue(soil_column::kModulus, 1e7), nullptr},
        RangeCase{"modulus_above_1e7", SoilValue(soil_column::kModulus, 10000000.01),
                  "土質条件の第1層の変形係数Es"},
        RangeCase{"load_1000", FillValue(fill_column::kLoad, 1000), nullptr},
        RangeCase{"load_1000_01", FillValue(fill_column::kLoad, 1000.01), "盛土荷重 q1 の荷重q"},
        RangeCase{"surcharge_1000", SurchargeLoad(1000), nullptr},
        RangeCase{"surcharge_1000_01", SurchargeLoad(1000.01), "上載荷重 qX の荷重"},
        RangeCase{"n_value_300", Boring(300), nullptr},
        RangeCase{"n_value_300_1", Boring(300.1), "土質条件の第1層のN値"},
        RangeCase{"n_value_of_a_boring_no_longer_shown", Boring(100000, 6), nullptr},
        RangeCase{"height_40", FillValue(fill_column::kHeight, 40), nullptr},
        RangeCase{"height_40_01", FillValue(fill_column::kHeight, 40.01), "盛土荷重 q1 の盛土高h"},
        RangeCase{"extra_height_5_01", FillValue(fill_column::kExtraHeight, 5.01),
                  "盛土荷重 q1 の余盛高hy"},
        RangeCase{"left_slope_100_01", FillValue(fill_column::kLeftSlope, 100.01),
                  "盛土荷重 q1 の法面幅A"},
        RangeCase{"crest_100", FillValue(fill_column::kCrest, 100), nullptr},
        RangeCase{"crest_100_01", FillValue(fill_column::kCrest, 100.01), "盛土荷重 q1 の天端幅B"},
        RangeCase{"right_slope_100_01", FillValue(fill_column::kRightSlope, 100.01),
                  "盛土荷重 q1 の法面幅C"},
        RangeCase{"excavation_0_5", [](ProjectData& p) { p.excavationWidth = 0.5; }, nullptr},
        RangeCase{"excavation_0_49", [](ProjectData& p) { p.excavationWidth = 0.49; }, "開削幅"},
        RangeCase{"excavation_100_01", [](ProjectData& p) { p.excavationWidth = 100.01; },
                  "開削幅"},
        RangeCase{"levee_0_99", [](ProjectData& p) { p.leveeWidth = 0.99; }, "堤体幅"},
        RangeCase{"levee_100", [](ProjectData& p) { p.leveeWidth = 100; }, nullptr},
        RangeCase{"ground_100_deep", SecondLayerTo(100), nullptr},
        RangeCase{"ground_100_01_deep", SecondLayerTo(100.01), "土質条件の第2層の深度"},
        RangeCase{"poisson_0_1", Poisson(0.1), nullptr},
        RangeCase{"poisson_0_09", Poisson(0.09), "ﾎﾟｱｿﾝ比"},
        RangeCase{"poisson_0_09_unused", Poisson(0.09, false), nullptr},
        RangeCase{"poisson_0_5", Poisson(0.5), nullptr},
        // Its own warning says what such a ratio does.
        RangeCase{"poisson_0_8", Poisson(0.8), nullptr}),
    test::CaseName());

TEST(ImplausibleValueText, NamesTheValueItsRangeAndWhy) {
    ProjectData project = OneBlockProject();
    SoilValue(soil_column::kModulus, 280000000)(project);
    FillValue(fill_column::kUnitWeight, 3)(project);
    Boring(100000)(project);
    const std::vector<RangedValue> found = FindImplausibleValues(project);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(ImplausibleValueText(found[0]),
              "土質条件の第1層の変形係数Es(280000000)が目安の範囲(100～10000000 kN/㎡)を外れて"
              "います。極めて軟らかい粘土から軟岩までの値です。単位(N/㎡、MN/㎡)の取り違えが疑われ"
              "ます。");
    EXPECT_EQ(ImplausibleValueText(found[1]),
              "土質条件の第1層のN値(100000)が目安の範囲(0～300)を外れています。"
              "標準貫入試験は50回程度の打撃で打ち切ります。記録の誤りが疑われます。");
    EXPECT_EQ(found[1].test, 1u);
    EXPECT_EQ(ImplausibleValueText(found[2]),
              "盛土荷重 q1 の単位重量γt(3)が目安の範囲(12～25 kN/m³)を外れています。"
              "軽い火山灰質土から締まった礫質土までの値です。単位(t/m³など)の取り違えが疑われ"
              "ます。");
}

TEST(RunWarnings, TellTheReversingPoissonRatioFirstThenEachValueOutsideItsRange) {
    ProjectData project = OneBlockProject();
    EXPECT_TRUE(RunWarnings(project).empty());
    Poisson(0.8)(project);
    FillValue(fill_column::kUnitWeight, 3)(project);
    const std::vector<std::string> warnings = RunWarnings(project);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].rfind("ﾎﾟｱｿﾝ比(0.8)が0.5を超えています。", 0), 0u);
    EXPECT_EQ(warnings[1].rfind("盛土荷重 q1 の単位重量γt(3)", 0), 0u);
}

}  // namespace
}  // namespace nubera
