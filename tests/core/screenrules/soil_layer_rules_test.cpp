#include "screenrules/soil_layer_rules.h"

#include <gtest/gtest.h>

namespace nubera {
namespace {

TEST(SoilLayerRules, DepthOfANewOrEditedLayerBuildsOnTheLayerAbove) {
    std::vector<SoilLayerRow> rows;
    EXPECT_EQ(LayerDepthText(rows, 0, 2.5), "2.50");
    rows.push_back({"2.50", "2.50", "3000"});
    EXPECT_EQ(LayerDepthText(rows, 1, 1.25), "3.75");  // appended
    EXPECT_EQ(LayerDepthText(rows, 0, 3), "3.00");     // the top layer edited
}

TEST(SoilLayerRules, RecomputedDepthsFollowTheThicknesses) {
    std::vector<SoilLayerRow> rows{
        {"3.00", "2.50", "1"}, {"1.25", "3.75", "2"}, {"0.00", "3.75", "3"}, {"2.00", "5.75", "4"}};
    RecomputeDepths(rows, 0);
    EXPECT_EQ(rows[0].depth, "3.00");
    EXPECT_EQ(rows[1].depth, "4.25");
    EXPECT_EQ(rows[2].depth, "4.25");  // a zero layer repeats the depth above
    EXPECT_EQ(rows[3].depth, "6.25");

    rows.erase(rows.begin() + 1);  // the layers below a removed one move up
    RecomputeDepths(rows, 1);
    EXPECT_EQ(rows[1].depth, "3.00");
    EXPECT_EQ(rows[2].depth, "5.00");
}

TEST(SoilLayerRules, TableRoundTripsThroughTheGridTexts) {
    const std::vector<SoilLayerRow> rows{{"2.50", "2.50", "3000"}, {"1.25", "3.75", "012"}};
    const SoilLayerTable table = BuildSoilLayerTable(rows);
    EXPECT_EQ(table.At(soil_column::kDepth, 1), Cell::Number(3.75));
    EXPECT_EQ(table.At(soil_column::kModulus, 1), Cell::Number(12));
    const std::vector<SoilLayerRow> shown = SoilLayerRowsOf(table);
    EXPECT_EQ(shown[0], rows[0]);
    EXPECT_EQ(shown[1].modulus, "12");  // leading zeros dropped
}

}  // namespace
}  // namespace nubera
