#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/cli/run_cli.h"

namespace nubera {
namespace {

using ::testing::HasSubstr;

using json = nlohmann::ordered_json;
using test::Example;
using test::RunCli;

json CalcJson(const std::string& arguments) {
    auto run = RunCli("calc " + arguments + " --json --no-workbook");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out);
}

// Every detail table is points x 13 items.
void ExpectDetailShape(const json& detail) {
    ASSERT_EQ(detail.size(), 11u);
    for (const json& items : detail) EXPECT_EQ(items.size(), 13u);
}

TEST(CalcJson, HasExactlyTheDocumentedKeys) {
    json result = CalcJson(Example("one-block.nbr"));
    std::vector<std::string> keys;
    for (const auto& item : result.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{
                        "alsoLateral", "placement", "poissonRatio", "excavationWidth", "leveeWidth",
                        "equivalentModulus", "pointOffsets", "settlementDetail",
                        "surchargeSettlementDetail", "lateralDetail", "surchargeLateralDetail",
                        "workbook", "pdf", "warnings"}));
}

TEST(CalcJson, OneBlockSettlementOnly) {
    json result = CalcJson(Example("one-block.nbr"));
    EXPECT_EQ(result["alsoLateral"], false);
    EXPECT_EQ(result["placement"], "automatic");
    EXPECT_EQ(result["poissonRatio"], 0.3) << "an empty box means 0.3";
    EXPECT_EQ(result["excavationWidth"], 10);
    EXPECT_EQ(result["equivalentModulus"], 6860);
    EXPECT_EQ(result["pointOffsets"],
              json::parse("[[-7,-5.6,-4.2,-2.8,-1.4,0,1.4,2.8,4.2,5.6,7]]"));
    EXPECT_EQ(result["settlementDetail"][0][5][12], 1.13);
    for (const char* key :
         {"surchargeSettlementDetail", "lateralDetail", "surchargeLateralDetail", "workbook"}) {
        EXPECT_TRUE(result[key].is_null()) << key;
    }
}

TEST(CalcJson, FiveBlocksWithSurchargeAndLateral) {
    json result = CalcJson(Example("five-blocks-lateral.nbr"));
    EXPECT_EQ(result["alsoLateral"], true);
    EXPECT_EQ(result["poissonRatio"], 0.35);
    EXPECT_EQ(result["pointOffsets"].size(), 6u) << "five fill rows and the surcharge";
    ASSERT_EQ(result["settlementDetail"].size(), 5u);
    ASSERT_EQ(result["lateralDetail"].size(), 5u);
    for (const json& detail : result["settlementDetail"]) ExpectDetailShape(detail);
    ExpectDetailShape(result["surchargeSettlementDetail"]);
    ExpectDetailShape(result["surchargeLateralDetail"]);
    EXPECT_TRUE(result["lateralDetail"][0][0][10].is_null());
    EXPECT_GT(result["settlementDetail"][4][5][12].get<double>(), 0);
}

TEST(CalcJson, ManualPointsFromTheFileLeaveEmptySlotsNull) {
    json result = CalcJson(Example("manual-points.nbr"));
    EXPECT_EQ(result["placement"], "manual");
    EXPECT_EQ(result["pointOffsets"][0][0], -14);
    for (const json& row : result["pointOffsets"]) EXPECT_TRUE(row[6].is_null());
    for (const json& item : result["settlementDetail"][1][6]) EXPECT_TRUE(item.is_null());
    EXPECT_TRUE(result["lateralDetail"].is_null());

    json automatic = CalcJson(Example("manual-points.nbr") + " --placement auto");
    EXPECT_EQ(automatic["placement"], "automatic");
    EXPECT_FALSE(automatic["pointOffsets"][0][6].is_null());
}

TEST(CalcJson, WritesTheWorkbookIntoTheOutFolder) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("nubera-cli-workbook-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    auto run =
        RunCli("calc " + Example("manual-points.nbr") + " --json --out '" + folder.string() + "'");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::filesystem::path workbook = json::parse(run.out)["workbook"].get<std::string>();
    EXPECT_EQ(workbook.parent_path(), folder);
    EXPECT_EQ(workbook.extension(), ".xlsx");
    EXPECT_GT(std::filesystem::file_size(workbook), 0u);
    std::filesystem::remove_all(folder);
}

TEST(CalcText, ShowsEmAndATableOfResults) {
    auto run = RunCli("calc " + Example("five-blocks-lateral.nbr") + " --no-workbook");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("換算変形係数 Em: "));
    EXPECT_THAT(run.out, HasSubstr("即時沈下量 (cm)"));
    EXPECT_THAT(run.out, HasSubstr("側方変位量 (cm)"));
    EXPECT_THAT(run.out, HasSubstr("qX"));
}

}  // namespace
}  // namespace nubera
