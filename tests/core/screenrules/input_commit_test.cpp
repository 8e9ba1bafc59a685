// What committing an input screen's accepted values changes in the project.

#include <gtest/gtest.h>

#include "screenrules/fill_load_rules.h"
#include "screenrules/fill_loads.h"
#include "screenrules/soil_conditions.h"
#include "tests/core/one_block_project.h"

namespace nubera {
namespace {

using test::OneBlock;
using test::OneLayer;

ProjectData WithPoints() {
    ProjectData project;
    project.fillLoads = OneBlock();
    project.focusPoints = FocusPointList{Cell::Text("1.00")};
    return project;
}

FillLoadTable TwoBlocks() {
    return BuildFillLoadTable(
        {{.base = 2, .a = 1, .b = 3, .c = 1, .h = 1}, {.base = 0, .a = 2, .b = 5, .c = 2, .h = 2}});
}

TEST(CommitFillLoads, ManualPlacementDiscardsThePointsAutomaticKeepsThem) {
    const FillLoads replaced{TwoBlocks(), MakeSurchargeTable()};
    ProjectData manual = WithPoints();
    CommitFillLoads(replaced, Placement::Manual, manual);
    EXPECT_FALSE(manual.focusPoints);
    EXPECT_EQ(manual.surcharge, MakeSurchargeTable());

    ProjectData automatic = WithPoints();
    CommitFillLoads(replaced, Placement::Automatic, automatic);
    EXPECT_TRUE(automatic.focusPoints);
}

// The points were set on these blocks: a surcharge changed alone, or the same
// blocks confirmed again, leaves them where they are.
TEST(CommitFillLoads, TheSameBlocksKeepThePoints) {
    ProjectData project = WithPoints();
    const FillLoads newSurcharge{project.fillLoads, MakeSurchargeTable()};
    CommitFillLoads(newSurcharge, Placement::Manual, project);
    EXPECT_TRUE(project.focusPoints);
    EXPECT_EQ(project.surcharge, MakeSurchargeTable());
}

// An emptied fill list hands back the surcharge it was opened on, so the
// surcharge stays as it was.
TEST(CommitFillLoads, RemovedBlocksLeaveTheSurchargeAsHandedBack) {
    ProjectData project = WithPoints();
    project.surcharge = MakeSurchargeTable();
    FillLoads emptied = FillLoadsOf(project);
    emptied.blocks.reset();
    CommitFillLoads(emptied, Placement::Manual, project);
    EXPECT_FALSE(project.fillLoads);
    EXPECT_EQ(project.surcharge, MakeSurchargeTable());
    EXPECT_FALSE(project.focusPoints);
}

TEST(TellsOfDiscardedPoints, OnlyWhenPointsGiveWayToNewFillLoads) {
    const FillLoads loads{TwoBlocks(), std::nullopt};
    const FillLoads removed{};
    const std::optional<FillLoadTable> current = OneBlock();
    EXPECT_TRUE(TellsOfDiscardedPoints(loads, current, Placement::Manual, true));
    EXPECT_FALSE(TellsOfDiscardedPoints(loads, current, Placement::Manual, false));
    EXPECT_FALSE(TellsOfDiscardedPoints(removed, current, Placement::Manual, true));
    EXPECT_FALSE(TellsOfDiscardedPoints(loads, current, Placement::Automatic, true));
    EXPECT_FALSE(TellsOfDiscardedPoints(loads, loads.blocks, Placement::Manual, true));
}

TEST(CommitSoilConditions, WritesTheWidthsAndLayersAndAComputedEmOnly) {
    ProjectData project;
    CalcResults results;
    results.equivalentModulus = 123;
    SoilConditions accepted{10, 20, OneLayer(), std::nullopt, std::nullopt};
    CommitSoilConditions(accepted, project, results);
    EXPECT_EQ(SoilConditionsOf(project), accepted);
    EXPECT_EQ(results.equivalentModulus, 123);

    accepted.layers.reset();
    accepted.equivalentModulus = 0;
    CommitSoilConditions(accepted, project, results);
    EXPECT_FALSE(project.soilLayers);
    EXPECT_EQ(results.equivalentModulus, 0);
}

// A derivation read off a log goes with the layers it describes, and is
// dropped once an edit reshaped them: a report then never traces Es to tests
// of other depths.
TEST(CommitSoilConditions, KeepsTheDerivationOnlyWhileItDescribesTheLayers) {
    ProjectData project;
    CalcResults results;
    SoilConditions accepted{10, 20, OneLayer(), std::nullopt, std::nullopt};
    const double bottom = accepted.layers->Number(soil_column::kDepth, 0);
    accepted.derivation =
        SoilDerivation{"BED0001.XML", "No.1", 2800, {{"粘土", 0, bottom, {}, {}, {}}}};
    CommitSoilConditions(accepted, project, results);
    EXPECT_EQ(project.soilDerivation, accepted.derivation);

    accepted.layers->At(soil_column::kDepth, 0) = Cell::Number(bottom + 1);
    CommitSoilConditions(accepted, project, results);
    EXPECT_FALSE(project.soilDerivation);

    accepted.layers.reset();
    CommitSoilConditions(accepted, project, results);
    EXPECT_FALSE(project.soilDerivation);
}

}  // namespace
}  // namespace nubera
