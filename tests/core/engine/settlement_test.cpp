#include "engine/settlement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/engine_error.h"
#include "tests/core/one_block_project.h"

namespace nubera {
namespace {

using test::Item;
using test::OneBlockProject;
using test::Points;

CalcResults ResultsWithEm(double em) {
    CalcResults results;
    results.equivalentModulus = em;
    return results;
}

// Em 6860, H 5, q 45, a 4.5, points at x = 0, 4.5, -4.5, 9, -3, 20 and one empty slot.
class WorkedSettlement : public testing::Test {
  protected:
    void SetUp() override {
        project.focusPoints = Points({0, 4.5, -4.5, 9, -3, 20, std::nullopt, 7});
        RunSettlementStep(EngineInputOf(project), results, Placement::Manual);
    }
    ProjectData project = OneBlockProject();
    CalcResults results = ResultsWithEm(6860);
};

TEST_F(WorkedSettlement, SettlementsOfTheWorkedExample) {
    const PointDetail& d = results.settlementDetail.at(0);
    const double expected[] = {1.13, 0.76, 0.76, 0.24, 1.00, 0};
    for (std::size_t p = 0; p < 6; ++p)
        EXPECT_EQ(Item(d, p, point_item::kResult), expected[p]) << p;
    EXPECT_NEAR(Item(d, 0, settlement_item::kFactorC), -0.0281885, 5e-8);  // C
    EXPECT_NEAR(Item(d, 0, settlement_item::kFactorG), -0.4020239, 5e-8);  // G
}

TEST_F(WorkedSettlement, StoresTheInputsAndIntermediateItems) {
    const PointDetail& d = results.settlementDetail.at(0);
    EXPECT_EQ(d[2][point_item::kOffset], Cell::Number(-4.5)) << "x keeps its sign";
    const double items[] = {6860, 4.5, 45, 0, 5};  // Em, a, q, centre offset, H
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(Item(d, 4, i + 1), items[i]);
    // x = -3 with a = 4.5: u = 1 + 2/3 and v = 1/3, from |x|.
    EXPECT_DOUBLE_EQ(Item(d, 4, settlement_item::kU), 5.0 / 3);
    EXPECT_DOUBLE_EQ(Item(d, 4, settlement_item::kV), 1.0 / 3);
    // At the strip's edge v = 0 and ln|v| is taken as 0.
    EXPECT_EQ(Item(d, 1, settlement_item::kV), 0);
    EXPECT_EQ(Item(d, 1, settlement_item::kLogV), 0);
}

TEST_F(WorkedSettlement, EmptySlotWritesOnlyItemZero) {
    const PointDetail& d = results.settlementDetail.at(0);
    EXPECT_TRUE(results.pointOffsets.at(0)[6].IsMissing());
    for (const Cell& cell : d[6]) EXPECT_TRUE(cell.IsMissing());
    EXPECT_TRUE(d[8][point_item::kOffset].IsMissing());
    EXPECT_EQ(Item(d, 7, point_item::kResult), 0.40);
}

TEST(SettlementAt, RefusesAnEmOrThicknessThatIsNotPositiveNaNIncluded) {
    const StripLoad load{"盛土荷重 q1", 45, 4.5, 0};
    const std::string point = "盛土荷重 q1 の着目点③の即時沈下量を計算できません。";
    const struct {
        double em;
        double H;
        std::string message;
    } cases[] = {
        {-6860, 5, "Em値(換算変形係数)が正の数でないため、" + point},
        {std::nan(""), 5, "Em値(換算変形係数)が正の数でないため、" + point},
        {std::numeric_limits<double>::infinity(), 5, "値が扱える範囲を超えたため、" + point},
        {6860, std::nan(""), "土質条件の層厚の合計Hが0以下のため、" + point},
        {6860, -5, "土質条件の層厚の合計Hが0以下のため、" + point},
    };
    for (const auto& c : cases) {
        try {
            SettlementAt(load, c.em, c.H, 2, 1.5);
            ADD_FAILURE() << c.message;
        } catch (const EngineError& error) {
            EXPECT_EQ(error.what(), c.message);
        }
    }
}

TEST(PlacePoints, AutomaticWithOneBlockSpansReferencePointToTheBaseEnd) {
    ProjectData project = OneBlockProject();
    CalcResults results;
    PlacePoints(EngineInputOf(project), results, Placement::Automatic);
    ASSERT_EQ(results.pointOffsets.size(), 1u);
    const double expected[] = {-7, -5.6, -4.2, -2.8, -1.4, 0, 1.4, 2.8, 4.2, 5.6, 7};
    for (std::size_t p = 0; p < kPointCount; ++p) {
        EXPECT_EQ(results.pointOffsets[0][p], Cell::Number(expected[p])) << p;
    }
    EXPECT_FALSE(std::signbit(results.pointOffsets[0][5].AsNumber())) << "no negative zero";
}

// Top block (row 0): base 4, A 1.5, B 2, C 0.5 (2a 3, centre 6); bottom block
// (row 1): base 0, A 2, B 6, C 2 (2a 8, centre 5, offset -1); surcharge 10 on
// the top crest (width 2, centre offset 5.5 - 6 + ... = 0.5).
ProjectData TwoBlocksWithSurcharge() {
    ProjectData project = OneBlockProject();
    FillLoadTable& fill = *project.fillLoads;
    fill.ResizeRows(2);
    const double rows[2][12] = {{1, 0, 1, 18, 18, 4, 1.5, 2, 0.5, 3, 6, 0},
                                {1, 0, 1, 18, 18, 0, 2, 6, 2, 8, 5, -1}};
    for (std::size_t r = 0; r < 2; ++r) {
        for (std::size_t c = 0; c < fill_column::kCount; ++c)
            fill.At(c, r) = Cell::Number(rows[r][c]);
    }
    project.surcharge = MakeSurchargeTable();
    project.surcharge->ResizeRows(1);
    project.surcharge->At(surcharge_column::kLoad, 0) = Cell::Number(10);
    project.surcharge->At(surcharge_column::kLoadingWidth, 0) = Cell::Number(2);
    project.surcharge->At(surcharge_column::kCentreOffset, 0) = Cell::Number(0.5);
    return project;
}

TEST(PlacePoints, AutomaticOffsetsAreMeasuredFromEveryLoadCentre) {
    ProjectData project = TwoBlocksWithSurcharge();
    CalcResults results;
    PlacePoints(EngineInputOf(project), results, Placement::Automatic);
    ASSERT_EQ(results.pointOffsets.size(), 3u) << "F + 1 rows with a surcharge";
    const double expected[3][11] = {
        {-6, -4.8, -3.6, -2.4, -1.2, 0, 0.8, 1.6, 2.4, 3.2, 4},
        {-5, -3.8, -2.6, -1.4, -0.2, 1, 1.8, 2.6, 3.4, 4.2, 5},
        {-6.5, -5.3, -4.1, -2.9, -1.7, -0.5, 0.3, 1.1, 1.9, 2.7, 3.5},
    };
    for (std::size_t k = 0; k < 3; ++k) {
        for (std::size_t p = 0; p < kPointCount; ++p) {
            EXPECT_EQ(results.pointOffsets[k][p], Cell::Number(expected[k][p])) << k << "," << p;
        }
    }
}

TEST(PlacePoints, ManualOffsetsAreNotRounded) {
    ProjectData project = TwoBlocksWithSurcharge();
    project.focusPoints = Points({0.123, std::nullopt});
    project.focusPoints->at(2) = Cell::Text("2.345abc");
    CalcResults results;
    PlacePoints(EngineInputOf(project), results, Placement::Manual);
    EXPECT_EQ(results.pointOffsets[1][0], Cell::Number(0.123 - -1.0));
    EXPECT_TRUE(results.pointOffsets[1][1].IsMissing());
    EXPECT_EQ(results.pointOffsets[2][2], Cell::Number(2.345 - 0.5));
}

TEST(ComputeSettlement, SurchargeResultsGoToTheirOwnTable) {
    ProjectData project = TwoBlocksWithSurcharge();
    CalcResults results = ResultsWithEm(6860);
    RunSettlementStep(EngineInputOf(project), results, Placement::Automatic);
    EXPECT_EQ(results.settlementDetail.size(), 2u);
    EXPECT_EQ(Item(results.surchargeSettlementDetail, 5, point_item::kLoad), 10);      // q
    EXPECT_EQ(Item(results.surchargeSettlementDetail, 5, point_item::kHalfWidth), 1);  // a
    EXPECT_EQ(Item(results.surchargeSettlementDetail, 5, point_item::kCentreOffset),
              0.5);  // centre offset
    EXPECT_EQ(Item(results.settlementDetail[1], 0, point_item::kCentreOffset), -1);
    // Points 4 and 6 of the surcharge lie 1.7 m and 0.3 m from its centre.
    EXPECT_GT(Item(results.surchargeSettlementDetail, 6, point_item::kResult),
              Item(results.surchargeSettlementDetail, 4, point_item::kResult));
}

TEST(ComputeSettlement, RefusesDivisionsByZeroNamingLoadAndPoint) {
    struct Case {
        const char* name;
        void (*change)(ProjectData&, CalcResults&);
        const char* message;
    };
    const Case cases[] = {
        {"Em 0", [](ProjectData&, CalcResults& r) { r.equivalentModulus = 0; },
         "Em値(換算変形係数)が0のため、盛土荷重 q1 の着目点②の即時沈下量を計算できません。"},
        {"H 0",
         [](ProjectData& p, CalcResults&) {
             p.soilLayers->At(soil_column::kDepth, 0) = Cell::Number(0);
         },
         "土質条件の層厚の合計Hが0以下のため、盛土荷重 q1 "
         "の着目点②の即時沈下量を計算できません。"},
        {"zero width of q2",
         [](ProjectData& p, CalcResults&) {
             p.fillLoads->At(fill_column::kLoadingWidth, 1) = Cell::Number(0);
         },
         "載荷幅が0以下のため、盛土荷重 q2 の着目点②の即時沈下量を計算できません。"},
        {"zero surcharge width",
         [](ProjectData& p, CalcResults&) {
             p.surcharge->At(surcharge_column::kLoadingWidth, 0) = Cell::Number(0);
         },
         "載荷幅が0以下のため、上載荷重 qX の着目点②の即時沈下量を計算できません。"},
        {"overflowing point",
         [](ProjectData& p, CalcResults&) { p.focusPoints->at(3) = Cell::Text("1e309"); },
         "値が扱える範囲を超えたため、盛土荷重 q1 の着目点④の位置を計算できません。"},
        {"overflowing load",
         [](ProjectData& p, CalcResults&) {
             p.fillLoads->At(fill_column::kLoad, 1) = Cell::Number(1e308);
         },
         "値が扱える範囲を超えたため、盛土荷重 q2 の着目点②の即時沈下量を計算できません。"},
    };
    for (const Case& c : cases) {
        ProjectData project = TwoBlocksWithSurcharge();
        project.focusPoints = Points({std::nullopt, 1, 2, 3});
        CalcResults results = ResultsWithEm(6860);
        c.change(project, results);
        try {
            RunSettlementStep(EngineInputOf(project), results, Placement::Manual);
            ADD_FAILURE() << c.name;
        } catch (const EngineError& error) {
            EXPECT_STREQ(error.what(), c.message) << c.name;
        }
    }
}

TEST(ComputeSettlement, AFailedRowLeavesEarlierResultsAndNothingOfTheFailedPoint) {
    ProjectData project = TwoBlocksWithSurcharge();
    project.fillLoads->At(fill_column::kLoadingWidth, 1) = Cell::Number(0);
    CalcResults results = ResultsWithEm(6860);
    EXPECT_THROW(RunSettlementStep(EngineInputOf(project), results, Placement::Automatic),
                 EngineError);
    ASSERT_EQ(results.settlementDetail.size(), 2u);
    EXPECT_EQ(Item(results.settlementDetail[0], 10, point_item::kLoad), 18);
    for (const Cell& cell : results.settlementDetail[1][0]) EXPECT_TRUE(cell.IsMissing());
}

TEST(RunSettlementStep, MissingTablesAreRefused) {
    ProjectData project = OneBlockProject();
    CalcResults results = ResultsWithEm(6860);
    EXPECT_THROW(RunSettlementStep(EngineInputOf(project), results, Placement::Manual),
                 EngineError);
    project.soilLayers.reset();
    EXPECT_THROW(RunSettlementStep(EngineInputOf(project), results, Placement::Automatic),
                 EngineError);
    project.fillLoads.reset();
    EXPECT_THROW(PlacePoints(EngineInputOf(project), results, Placement::Automatic), EngineError);
}

}  // namespace
}  // namespace nubera
