// The complete results of every example project against the ones committed
// in tests/cli/golden/ (nubera-cli calc --json --no-workbook as last checked
// by hand), through the comparison scripts/compare-results.sh --golden uses:
// any number that moves beyond rounding noise fails and is named.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cli/run_cli.h"

namespace nubera {
namespace {

using test::Example;
using test::FreshFolder;
using test::RunCommand;

const std::string kSource = NUBERA_SOURCE_DIR;
const std::string kCompare = "/usr/bin/python3 '" + kSource + "/scripts/compare_json.py' ";

// What the comparison prints for `actual` against `golden` (both JSON texts),
// and whether it found them equal.
std::pair<bool, std::string> CompareTexts(const std::string& golden, const std::string& actual) {
    const auto folder = FreshFolder("golden-comparison");
    std::ofstream(folder / "golden.json") << golden;
    std::ofstream(folder / "actual.json") << actual;
    std::string out;
    const int status = RunCommand(kCompare + "'" + (folder / "golden.json").string() + "' < '" +
                                      (folder / "actual.json").string() + "'",
                                  &out);
    return {status == 0, out};
}

TEST(GoldenComparison, NamesEachValueThatMovedAndIgnoresRoundingNoise) {
    const std::string golden = R"({"a": [[1.0, 2.5], [3.0]], "b": "x", "c": null, "d": 7300.5})";
    EXPECT_EQ(CompareTexts(golden, R"({"a": [[1.0000000000001, 2.5], [3.0]], "b": "x",
                                       "c": null, "d": 7300.500000001})"),
              std::make_pair(true, std::string()));
    EXPECT_EQ(CompareTexts(golden, R"({"a": [[1.0, 2.5001], [3.0, 4.0]], "b": "y", "c": 0})"),
              std::make_pair(false, std::string("  a[0][1]: 2.5001 instead of 2.5\n"
                                                "  a[1]: [3.0, 4.0] instead of [3.0]\n"
                                                "  b: \"y\" instead of \"x\"\n"
                                                "  c: 0 instead of null\n"
                                                "  d: missing\n")));
}

class GoldenResults : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenResults, EveryNumberAsCommitted) {
    const std::string name = GetParam();
    const std::string golden = kSource + "/tests/cli/golden/" + name + ".json";
    std::string out;
    const int status = RunCommand("'" + std::string(NUBERA_BINARY_DIR) + "/bin/nubera-cli' calc " +
                                      Example(name + ".nbr") + " --json --no-workbook | " +
                                      kCompare + "'" + golden + "' 2>&1",
                                  &out);
    EXPECT_EQ(status, 0) << name << " differs from " << golden << ":\n" << out;
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenResults,
                         ::testing::Values("one-block", "five-blocks-lateral", "manual-points",
                                           "four-blocks-manual-lateral"));

}  // namespace
}  // namespace nubera
