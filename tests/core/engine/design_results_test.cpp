#include "engine/design_results.h"

#include <gtest/gtest.h>

#include "engine/calculation.h"
#include "engine/design_table.h"
#include "engine/equivalent_modulus.h"
#include "screenrules/poisson_ratio.h"
#include "screenrules/run_enabling_rule.h"
#include "tests/core/one_block_project.h"
#include "text/number_text.h"

namespace nubera {
namespace {

using test::OneBlockProject;
using test::Points;

// The project with a surcharge beside its block, in lateral mode.
ProjectData WithSurchargeAndLateral() {
    ProjectData project = OneBlockProject();
    SurchargeTable surcharge = MakeSurchargeTable();
    surcharge.ResizeRows(1);
    surcharge.At(surcharge_column::kLoad, 0) = Cell::Number(10);
    surcharge.At(surcharge_column::kLoadingWidth, 0) = Cell::Number(4);
    surcharge.At(surcharge_column::kCentreOffset, 0) = Cell::Text("0");
    project.surcharge = surcharge;
    project.alsoLateral = true;
    return project;
}

TEST(DesignResults, AreTheRunsNumbersAtEveryPlacedPoint) {
    const ProjectData project = WithSurchargeAndLateral();
    const DesignResults design = ComputeDesignResults(project, Placement::Automatic, "0.25");
    ASSERT_TRUE(design.Computed()) << design.whyNot;

    ProjectData ran = project;
    ran.poissonRatio = 0.25;
    CalcResults calc;
    ASSERT_EQ(RunCalculation(ran, calc, Placement::Automatic), RunOutcome::Computed);
    EXPECT_EQ(design.equivalentModulus, calc.equivalentModulus);
    EXPECT_EQ(design.poissonRatio, 0.25);
    EXPECT_EQ(design.loadLabels, (std::vector<std::string>{"q1", "qX"}));
    ASSERT_TRUE(design.lateral);
    for (std::size_t k = 0; k < kPointCount; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(design.x[k]);
        EXPECT_EQ(*design.x[k], calc.pointOffsets[0][k].AsNumber());
        const double fill = calc.settlementDetail[0][k][point_item::kResult].AsNumber();
        const double surcharge = calc.surchargeSettlementDetail[k][point_item::kResult].AsNumber();
        EXPECT_EQ(design.settlement[k].loads,
                  (std::vector<std::optional<double>>{fill, surcharge}));
        EXPECT_EQ(design.settlement[k].total, fill + surcharge);
        EXPECT_EQ((*design.lateral)[k].total,
                  calc.lateralDetail[0][k][point_item::kResult].AsNumber() +
                      calc.surchargeLateralDetail[k][point_item::kResult].AsNumber());
    }
}

TEST(DesignResults, ManualPointsLeaveTheEmptySlotsEmpty) {
    ProjectData project = OneBlockProject();
    project.focusPoints = Points({-2.0, std::nullopt, 1.5});
    const DesignResults design = ComputeDesignResults(project, Placement::Manual, "");
    ASSERT_TRUE(design.Computed()) << design.whyNot;
    EXPECT_TRUE(design.x[0] && design.x[2]);
    EXPECT_FALSE(design.x[1]);
    EXPECT_FALSE(design.settlement[1].total);
    EXPECT_TRUE(design.settlement[1].loads.empty());
    EXPECT_FALSE(design.lateral) << "settlement only";
    EXPECT_EQ(design.poissonRatio, 0.3) << "an empty box means 0.3, as for a run";
}

// Whatever stops 実行 stops the panel, with 実行's own words.
TEST(DesignResults, SayWhyNotWithTheTextTheRunWouldShow) {
    ProjectData noSoil = OneBlockProject();
    noSoil.soilLayers.reset();
    EXPECT_EQ(ComputeDesignResults(noSoil, Placement::Automatic, "").whyNot,
              RunRequirementText(noSoil, Placement::Automatic));
    EXPECT_EQ(ComputeDesignResults(OneBlockProject(), Placement::Manual, "").whyNot,
              RunRequirementText(OneBlockProject(), Placement::Manual))
        << "manual placement without points";

    ProjectData lateral = OneBlockProject();
    lateral.alsoLateral = true;
    EXPECT_EQ(ComputeDesignResults(lateral, Placement::Automatic, "1.5").whyNot,
              kPoissonRangeMessage);
    EXPECT_EQ(ComputeDesignResults(lateral, Placement::Automatic, "1.2.3").whyNot,
              kInvalidValueMessage);

    ProjectData emZero = OneBlockProject();
    emZero.leveeWidth = emZero.excavationWidth;
    EXPECT_EQ(ComputeDesignResults(emZero, Placement::Automatic, "").whyNot,
              kEquivalentModulusZero);

    ProjectData engine = OneBlockProject();
    engine.fillLoads->At(fill_column::kLoadingWidth, 0) = Cell::Number(0);
    const DesignResults refused = ComputeDesignResults(engine, Placement::Automatic, "");
    EXPECT_EQ(refused.whyNot.rfind("計算できませんでした。\n", 0), 0u) << refused.whyNot;
    EXPECT_TRUE(refused.loadLabels.empty()) << "nothing half computed is shown";
}

TEST(DesignTable, ListsTheTotalsThenEachLoadPerQuantity) {
    const DesignResults design =
        ComputeDesignResults(WithSurchargeAndLateral(), Placement::Automatic, "0.30");
    const DesignTable table = MakeDesignTable(design, nullptr);
    EXPECT_EQ(table.headers,
              (std::vector<std::string>{"着目点", "x (m)", "即時沈下量\n合計", "側方変位量\n合計",
                                        "即時沈下量\nq1", "即時沈下量\nqX", "側方変位量\nq1",
                                        "側方変位量\nqX"}));
    ASSERT_EQ(table.rows.size(), kPointCount);
    EXPECT_EQ(table.rows[0][0], "①");
    EXPECT_EQ(table.rows[10][0], "⑪");
    EXPECT_EQ(table.rows[3][2], FormatFixed2(*design.settlement[3].total));
    EXPECT_EQ(table.rows[3][3], FormatFixed2(*(*design.lateral)[3].total));
    EXPECT_EQ(table.rows[3][5], FormatFixed2(*design.settlement[3].loads[1]));
}

TEST(DesignTable, ComparesTotalsWithSignedDifferences) {
    DesignResults kept = ComputeDesignResults(OneBlockProject(), Placement::Automatic, "");
    ProjectData heavier = WithSurchargeAndLateral();
    const DesignResults now = ComputeDesignResults(heavier, Placement::Automatic, "0.30");
    const DesignTable table = MakeDesignTable(now, &kept);
    EXPECT_EQ(table.headers,
              (std::vector<std::string>{"着目点", "x (m)", "x (m)\n保持", "即時沈下量\n合計",
                                        "即時沈下量\n保持", "即時沈下量\n差", "側方変位量\n合計",
                                        "側方変位量\n保持", "側方変位量\n差"}));
    for (std::size_t k = 0; k < kPointCount; ++k) {
        SCOPED_TRACE(k);
        const double difference = *now.settlement[k].total - *kept.settlement[k].total;
        const std::string shown = FormatFixed2(difference);
        EXPECT_EQ(table.rows[k][5], difference > 0.005 ? "+" + shown : shown);
        EXPECT_EQ(table.rows[k][7], "") << "the kept run had no lateral displacement";
        EXPECT_EQ(table.rows[k][8], "");
    }
    EXPECT_EQ(Difference(1.25, 2.0), -0.75);
    EXPECT_EQ(Difference(std::nullopt, 2.0), std::nullopt);
    kept.equivalentModulus = now.equivalentModulus + 10;
    EXPECT_EQ(ModulusLine(now, &kept), "Em = " + FormatFixed2(now.equivalentModulus) +
                                           " kN/m2（保持 " + FormatFixed2(kept.equivalentModulus) +
                                           "、差 -10.00）");
}

}  // namespace
}  // namespace nubera
