#include "engine/lateral.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine_error.h"
#include "engine/settlement.h"
#include "tests/core/one_block_project.h"

namespace nubera {
namespace {

using test::Item;
using test::OneBlockProject;
using test::Points;

// Em 6860, nu 0.3, q 45, a 4.5, c 5, points at x = 0, 4.5, 9, -9, 20, one
// empty slot, -4.5.
CalcResults WorkedLateral(ProjectData project) {
    project.poissonRatio = 0.3;
    project.focusPoints = Points({0, 4.5, 9, -9, 20, std::nullopt, -4.5});
    CalcResults results;
    results.equivalentModulus = 6860;
    RunSettlementStep(EngineInputOf(project), results, Placement::Manual);
    ComputeLateral(EngineInputOf(project), results);
    return results;
}

TEST(ComputeLateral, WorkedExample) {
    const CalcResults results = WorkedLateral(OneBlockProject());
    const PointDetail& d = results.lateralDetail.at(0);
    const double expected[] = {0.00, -0.89, -0.52, 0.52, -0.24};
    for (std::size_t p = 0; p < 5; ++p)
        EXPECT_EQ(Item(d, p, point_item::kResult), expected[p]) << p;
    EXPECT_NEAR(Item(d, 0, lateral_item::kFactorK), 0.00488601, 5e-9);  // K
    EXPECT_EQ(Item(d, 0, lateral_item::kTermT1), 0);                    // T1 at the centre
    EXPECT_NEAR(Item(d, 0, lateral_item::kTermT2), 0.837981, 5e-7);     // T2
    EXPECT_NEAR(Item(d, 0, lateral_item::kTermT3), 0.837981, 5e-7);     // T3
    EXPECT_EQ(Item(d, 1, lateral_item::kTermT2), 0) << "T2 is 0 at the strip's edge x = a";
    EXPECT_EQ(Item(d, 6, lateral_item::kTermT3), 0) << "T3 is 0 at x = -a";
    EXPECT_EQ(Item(d, 6, point_item::kResult), 0.89);
}

TEST(ComputeLateral, ItemsKeepTheSignOfXAndLeaveTenAndElevenMissing) {
    const CalcResults results = WorkedLateral(OneBlockProject());
    const PointDetail& d = results.lateralDetail.at(0);
    EXPECT_EQ(d[3][point_item::kOffset], Cell::Number(-9));
    const double items[] = {6860, 4.5, 45, 0, 5};  // Em, a, q, centre offset, c
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(Item(d, 3, i + 1), items[i]);
    EXPECT_TRUE(d[3][settlement_item::kV].IsMissing());
    EXPECT_TRUE(d[3][settlement_item::kLogV].IsMissing());
    for (const Cell& cell : d[5]) EXPECT_TRUE(cell.IsMissing());
}

TEST(ComputeLateral, PointsMirroredAboutTheCentreGetOppositeDisplacements) {
    ProjectData project = OneBlockProject();
    project.poissonRatio = 0.25;
    project.focusPoints = Points({-1.3, 1.3, -6.1, 6.1, -4.5, 4.5});
    CalcResults results;
    results.equivalentModulus = 5165.15;
    RunSettlementStep(EngineInputOf(project), results, Placement::Manual);
    ComputeLateral(EngineInputOf(project), results);
    const PointDetail& d = results.lateralDetail.at(0);
    for (std::size_t p = 0; p < 6; p += 2) {
        EXPECT_NE(Item(d, p, point_item::kResult), 0);
        EXPECT_EQ(Item(d, p, point_item::kResult), -Item(d, p + 1, point_item::kResult)) << p;
    }
}

TEST(ComputeLateral, HalfPoissonRatioGivesNoDisplacement) {
    ProjectData project = OneBlockProject();
    project.poissonRatio = 0.5;
    CalcResults results;
    results.equivalentModulus = 6860;
    RunSettlementStep(EngineInputOf(project), results, Placement::Automatic);
    ComputeLateral(EngineInputOf(project), results);
    for (std::size_t p = 0; p < kPointCount; ++p)
        EXPECT_EQ(Item(results.lateralDetail[0], p, point_item::kResult), 0);
}

TEST(ComputeLateral, RefusesDivisionsByZeroNamingLoadAndPoint) {
    ProjectData project = OneBlockProject();
    project.poissonRatio = 0.3;
    project.focusPoints = Points({std::nullopt, 0, 4.5});
    CalcResults results;
    results.equivalentModulus = 6860;
    RunSettlementStep(EngineInputOf(project), results, Placement::Manual);

    CalcResults zeroEm = results;
    zeroEm.equivalentModulus = 0;
    try {
        ComputeLateral(EngineInputOf(project), zeroEm);
        ADD_FAILURE();
    } catch (const EngineError& error) {
        EXPECT_STREQ(
            error.what(),
            "Em値(換算変形係数)が0のため、盛土荷重 q1 の着目点②の側方変位量を計算できません。");
    }

    project.excavationWidth = 0;  // c = 0 puts a logarithm of 0 at the edge x = a
    try {
        ComputeLateral(EngineInputOf(project), results);
        ADD_FAILURE();
    } catch (const EngineError& error) {
        EXPECT_STREQ(error.what(),
                     "開削幅が0で着目点が載荷幅の端にあるため、盛土荷重 q1 "
                     "の着目点③の側方変位量を計算できません。");
    }
    EXPECT_EQ(Item(results.lateralDetail.at(0), 1, point_item::kResult), 0)
        << "point 2 was written";
    EXPECT_TRUE(results.lateralDetail[0][2][point_item::kOffset].IsMissing()) << "point 3 was not";
}

TEST(LateralAt, RefusesAnEmThatIsNotPositiveNaNIncluded) {
    const StripLoad load{"上載荷重 qX", 10, 1, 0.5};
    for (const double em : {-1.0, std::nan("")}) {
        try {
            LateralAt(load, em, 5, 0.3, 0, 2);
            ADD_FAILURE() << em;
        } catch (const EngineError& error) {
            EXPECT_STREQ(error.what(),
                         "Em値(換算変形係数)が正の数でないため、上載荷重 qX "
                         "の着目点①の側方変位量を計算できません。");
        }
    }
}

TEST(ComputeLateral, NeedsThePlacedPoints) {
    ProjectData project = OneBlockProject();
    CalcResults results;
    results.equivalentModulus = 6860;
    EXPECT_THROW(ComputeLateral(EngineInputOf(project), results), EngineError);
}

}  // namespace
}  // namespace nubera
