#include "engine/run_input_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>

#include "engine/calculation.h"
#include "engine/engine_error.h"
#include "engine/equivalent_modulus.h"
#include "screenrules/soil_layer_rules.h"
#include "tests/case_name.h"
#include "tests/core/one_block_project.h"

namespace nubera {
namespace {

using test::OneBlockProject;
using test::Points;
using ::testing::HasSubstr;

struct BoundCase {
    const char* name;
    std::function<void(ProjectData&)> change;
    const char* message;  // part of the refusal: the value and what it belongs to
};

class RunInputCheck : public ::testing::TestWithParam<BoundCase> {};

TEST_P(RunInputCheck, RefusesBeforeComputingAndNamesTheValue) {
    ProjectData project = OneBlockProject();
    GetParam().change(project);
    CalcResults results;
    results.equivalentModulus = 123;
    try {
        RunCalculation(project, results, Placement::Automatic);
        FAIL() << "accepted";
    } catch (const EngineError& error) {
        EXPECT_THAT(error.what(), HasSubstr(GetParam().message));
    }
    EXPECT_EQ(results.equivalentModulus, 123) << "nothing was computed";
}

// Soil layers of the given thicknesses, depths and moduli, top first.
SoilLayerTable Layers(std::initializer_list<std::array<double, 3>> rows) {
    SoilLayerTable table = MakeSoilLayerTable();
    table.ResizeRows(rows.size());
    std::size_t row = 0;
    for (const auto& values : rows) {
        for (std::size_t column = 0; column < values.size(); ++column) {
            table.At(column, row) = Cell::Number(values[column]);
        }
        ++row;
    }
    return table;
}

void AddRows(CellTable& table, std::size_t rows) {
    const std::size_t first = table.RowCount();
    table.ResizeRows(first + rows);
    for (std::size_t row = first; row < table.RowCount(); ++row) {
        for (std::size_t column = 0; column < table.ColumnCount(); ++column) {
            table.At(column, row) = table.At(column, 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    HandEditedFiles, RunInputCheck,
    ::testing::Values(
        BoundCase{"twenty_one_layers", [](ProjectData& p) { AddRows(*p.soilLayers, 20); },
                  "土質条件が21層あります。20層以下にしてください。"},
        BoundCase{"six_blocks", [](ProjectData& p) { AddRows(*p.fillLoads, 5); },
                  "盛土荷重が6段あります。5段以下にしてください。"},
        BoundCase{"negative_modulus",
                  [](ProjectData& p) {
                      p.soilLayers->At(soil_column::kModulus, 0) = Cell::Number(-6860);
                  },
                  "土質条件の第1層の変形係数Es(-6860)は0より大きい値にしてください。"},
        BoundCase{
            "negative_thickness",
            [](ProjectData& p) { p.soilLayers->At(soil_column::kThickness, 0) = Cell::Number(-1); },
            "土質条件の第1層の層厚(-1)は0以上にしてください。"},
        BoundCase{
            "negative_depth",
            [](ProjectData& p) { p.soilLayers->At(soil_column::kDepth, 0) = Cell::Number(-5); },
            "土質条件の第1層の深度(-5)は0以上にしてください。"},
        BoundCase{"depth_above_the_layer_before",
                  [](ProjectData& p) {
                      p.soilLayers = Layers({{5, 5, 10000}, {2, 2, 100}});
                  },
                  "土質条件の第2層の深度(2)が上の層の深度(5)より深くありません。"},
        BoundCase{"depth_not_the_sum_of_the_thicknesses",
                  [](ProjectData& p) {
                      p.soilLayers = Layers({{5, 5, 10000}, {2, 8, 100}});
                  },
                  "土質条件の第2層の深度(8)が層厚の合計(7)と合いません。"},
        BoundCase{"layer_of_no_thickness_above_the_one_before",
                  [](ProjectData& p) {
                      p.soilLayers = Layers({{5, 5, 10000}, {0, 4.994, 100}});
                  },
                  "土質条件の第2層の深度(4.994)が上の層の深度(5)と合いません。"
                  "層厚が0の層の深度は上の層の深度と同じにしてください。"},
        BoundCase{"layer_of_no_thickness_below_the_one_before",
                  [](ProjectData& p) {
                      p.soilLayers = Layers({{5, 5, 10000}, {0, 5.006, 100}});
                  },
                  "土質条件の第2層の深度(5.006)が上の層の深度(5)と合いません。"},
        BoundCase{"thin_layer_at_the_depth_before",
                  [](ProjectData& p) {
                      p.soilLayers = Layers({{5, 5, 10000}, {0.01, 5, 100}});
                  },
                  "土質条件の第2層の深度(5)が上の層の深度(5)より深くありません。"},
        BoundCase{"layer_of_no_thickness_off_the_sum",
                  [](ProjectData& p) {
                      p.soilLayers = Layers({{5, 5.004, 10000}, {0, 5.008, 100}});
                  },
                  "土質条件の第2層の深度(5.008)が層厚の合計(5)と合いません。"},
        BoundCase{"top_depth_not_its_thickness",
                  [](ProjectData& p) {
                      p.soilLayers = Layers({{5, 4, 10000}});
                  },
                  "土質条件の第1層の深度(4)が層厚の合計(5)と合いません。"},
        BoundCase{"depth_beyond_the_tolerance",
                  [](ProjectData& p) {
                      p.soilLayers = Layers({{2.5, 2.5, 10000}, {1.25, 3.756, 100}});
                  },
                  "土質条件の第2層の深度(3.756)が層厚の合計(3.75)と合いません。"},
        BoundCase{
            "negative_load",
            [](ProjectData& p) { p.fillLoads->At(fill_column::kLoad, 0) = Cell::Number(-45); },
            "盛土荷重 q1 の荷重q(-45)は0以上にしてください。"},
        BoundCase{"negative_surcharge",
                  [](ProjectData& p) {
                      p.surcharge = MakeSurchargeTable();
                      p.surcharge->ResizeRows(1);
                      p.surcharge->At(surcharge_column::kLoad, 0) = Cell::Number(-10);
                  },
                  "上載荷重 qX の荷重(-10)は0以上にしてください。"},
        BoundCase{"huge_excavation_width", [](ProjectData& p) { p.excavationWidth = 1e308; },
                  "開削幅(1E+308)が扱える範囲(±100000m)を超えています。"},
        BoundCase{"huge_levee_width", [](ProjectData& p) { p.leveeWidth = 1e308; },
                  "堤体幅(1E+308)が扱える範囲"},
        BoundCase{"huge_block_centre",
                  [](ProjectData& p) {
                      p.fillLoads->At(fill_column::kCentreDistance, 0) = Cell::Number(1e308);
                  },
                  "盛土荷重 q1 の重心位置(1E+308)が扱える範囲"},
        BoundCase{"huge_toe_distance",
                  [](ProjectData& p) {
                      p.fillLoads->At(fill_column::kToeDistance, 0) = Cell::Number(-1e308);
                  },
                  "盛土荷重 q1 の基準点距離(-1E+308)が扱える範囲"},
        BoundCase{"huge_manual_point",
                  [](ProjectData& p) {
                      p.focusPoints = Points({0, 100001});
                  },
                  "着目点②の位置(100001)が扱える範囲"}),
    test::CaseName());

TEST(RunInputCheckBounds, AcceptsTheLimitsThemselves) {
    ProjectData project = OneBlockProject();
    project.soilLayers = MakeSoilLayerTable();
    project.soilLayers->ResizeRows(kMaxSoilLayers);
    for (std::size_t row = 0; row < kMaxSoilLayers; ++row) {
        project.soilLayers->At(soil_column::kThickness, row) = Cell::Number(0.1);
        project.soilLayers->At(soil_column::kDepth, row) = Cell::Number(0.1 * (row + 1));
        project.soilLayers->At(soil_column::kModulus, row) = Cell::Number(1000);
    }
    // Depths kept to two decimals, half a centimetre off the thicknesses' sum.
    project.soilLayers->At(soil_column::kDepth, 19) = Cell::Number(2.005);
    AddRows(*project.fillLoads, 4);
    project.excavationWidth = kMaxLength;
    project.leveeWidth = -kMaxLength;  // refused later by Em, not by the bounds
    EXPECT_NO_THROW(CheckRunInputs(project));
}

// A layer of thickness 0 repeats the depth above it, within the half
// centimetre the depths are kept to, and adds nothing to Em (but the half
// centimetre it may move the depth by).
TEST(RunInputCheckBounds, LayersOfNoThicknessAddNothing) {
    struct {
        const char* name;
        SoilLayerTable layers;
        double emDifference;  // kN/m2
    } cases[] = {
        {"between", Layers({{5, 5, 6860}, {0, 5, 7000}, {3, 8, 9000}}), 0},
        {"on_top", Layers({{0, 0, 7000}, {5, 5, 6860}, {3, 8, 9000}}), 0},
        {"at_the_bottom", Layers({{5, 5, 6860}, {3, 8, 9000}, {0, 8, 7000}}), 0},
        {"two_in_a_row", Layers({{5, 5, 6860}, {0, 5, 7000}, {0, 5, 100}, {3, 8, 9000}}), 0},
        {"shown_as_zero", Layers({{5, 5, 6860}, {0.004, 5, 7000}, {3, 8, 9000}}), 0},
        {"half_a_centimetre_up", Layers({{5, 5, 6860}, {0, 4.995, 7000}, {3, 8, 9000}}), 1},
        {"half_a_centimetre_down", Layers({{5, 5, 6860}, {0, 5.005, 7000}, {3, 8, 9000}}), 1},
    };
    ProjectData without = OneBlockProject();
    without.soilLayers = Layers({{5, 5, 6860}, {3, 8, 9000}});
    CalcResults expected;
    ASSERT_EQ(RunCalculation(without, expected, Placement::Automatic), RunOutcome::Computed);
    for (const auto& c : cases) {
        ProjectData project = OneBlockProject();
        project.soilLayers = c.layers;
        CalcResults results;
        ASSERT_EQ(RunCalculation(project, results, Placement::Automatic), RunOutcome::Computed)
            << c.name;
        EXPECT_NEAR(results.equivalentModulus, expected.equivalentModulus, c.emDifference)
            << c.name;
    }
}

// A ground of layers of thickness 0 alone has no depth: Em = 0 and its
// message, not a complaint about the order of the depths.
TEST(RunInputCheckBounds, AGroundOfNoThicknessGivesEmZero) {
    ProjectData project = OneBlockProject();
    project.soilLayers = Layers({{0, 0, 6860}, {0, 0, 7000}});
    CalcResults results;
    EXPECT_EQ(RunCalculation(project, results, Placement::Automatic), RunOutcome::ModulusZero);
}

// Em stops the run unless it is positive and finite (a run would print
// confident settlements from a negative one).
TEST(RunInputCheckBounds, OnlyAPositiveFiniteEmIsUsable) {
    EXPECT_TRUE(UsableModulus(0.01));
    EXPECT_TRUE(UsableModulus(6860));
    for (const double em : {0.0, -0.0, -96.94, std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(UsableModulus(em)) << em;
    }
}

TEST(RunCalculationResults, StartFromEmptyResultsEveryRun) {
    ProjectData five = OneBlockProject();
    AddRows(*five.fillLoads, 4);
    CalcResults results;
    ASSERT_EQ(RunCalculation(five, results, Placement::Automatic), RunOutcome::Computed);
    ASSERT_EQ(results.settlementDetail.size(), 5u);

    ProjectData manual = OneBlockProject();
    manual.focusPoints = Points({-1, 0, 1});
    ASSERT_EQ(RunCalculation(manual, results, Placement::Manual), RunOutcome::Computed);
    EXPECT_EQ(results.settlementDetail.size(), 1u);
    EXPECT_EQ(results.pointOffsets.size(), 1u);
    for (std::size_t point = 3; point < kPointCount; ++point) {
        for (const Cell& item : results.settlementDetail[0][point]) {
            EXPECT_TRUE(item.IsMissing()) << "point " << point + 1 << " is not in this run";
        }
    }
}

}  // namespace
}  // namespace nubera
