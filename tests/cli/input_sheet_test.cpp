// The input sheet of the report read back with openpyxl and the printed
// pages with pdftotext, both compared with the project file the run read,
// for the examples and for generated projects of one and five blocks, with
// and without a surcharge, in both processing modes.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "projectfile/project_file.h"
#include "tests/cli/run_cli.h"

namespace nubera {
namespace {

using test::RunCli;

struct Case {
    const char* name;
    const char* placement;  // as the run placed the points: auto or manual
};

std::filesystem::path FreshFolder(const std::string& name) {
    const auto folder =
        std::filesystem::path(NUBERA_BINARY_DIR) / "test-output" / "cli" / "input-sheet" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

FillLoadTable Fill(std::size_t blocks) {
    FillLoadTable fill = MakeFillLoadTable();
    fill.ResizeRows(blocks);
    for (std::size_t row = 0; row < blocks; ++row) {
        const double tier = static_cast<double>(blocks - 1 - row);  // 0 for the bottom block
        const double toe = 2.5 * tier;
        const double crest = 6 + 5 * tier;
        const double height = row == 0 ? 1.25 : 1.5;
        const double values[] = {height,
                                 0.25,
                                 height + 0.25,
                                 18.5,
                                 (height + 0.25) * 18.5,
                                 toe,
                                 2,
                                 crest,
                                 2.75,
                                 2 / 2.0 + crest + 2.75 / 2,
                                 toe + (2 + crest + 2.75) / 2};
        for (std::size_t column = 0; column < std::size(values); ++column) {
            fill.At(column, row) = Cell::Number(values[column]);
        }
    }
    for (std::size_t row = 0; row < blocks; ++row) {
        fill.At(11, row) = Cell::Number(fill.Number(10, row) - fill.Number(10, 0));
    }
    if (blocks == 1) fill.At(11, 0) = Cell::Text("0");
    return fill;
}

// The surcharge on the top crest as the fill screen derives it: the crest's
// width, and the offset of its centre from the top block's centre (the text
// "0" with a single block).
SurchargeTable Surcharge(const FillLoadTable& fill) {
    SurchargeTable surcharge = MakeSurchargeTable();
    surcharge.ResizeRows(1);
    const double crest = fill.Number(7, 0);
    surcharge.At(0, 0) = Cell::Number(12.5);
    surcharge.At(1, 0) = Cell::Number(crest);
    surcharge.At(2, 0) =
        fill.RowCount() == 1
            ? Cell::Text("0")
            : Cell::Number(fill.Number(5, 0) + fill.Number(6, 0) + crest / 2 - fill.Number(10, 0));
    return surcharge;
}

// A project as the screens would have entered it.
std::filesystem::path Generated(const std::filesystem::path& folder, std::size_t blocks,
                                bool surcharge, bool lateral) {
    ProjectData project;
    project.excavationWidth = 7.5;
    project.leveeWidth = 32.25;
    project.soilLayers = MakeSoilLayerTable();
    project.soilLayers->ResizeRows(3);
    const double layers[3][3] = {{2.5, 2.5, 3150}, {4, 6.5, 8400.5}, {6.75, 13.25, 21000}};
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t column = 0; column < 3; ++column) {
            project.soilLayers->At(column, row) = Cell::Number(layers[row][column]);
        }
    }
    project.fillLoads = Fill(blocks);
    if (surcharge) project.surcharge = Surcharge(*project.fillLoads);
    project.alsoLateral = lateral;
    project.poissonRatio = 0.42;
    const auto path = folder / "generated.nbr";
    std::string error;
    EXPECT_TRUE(SaveProject(project, path, &error)) << error;
    return path;
}

// Runs the project with its pages as PDF; returns the checker's complaints.
std::string CheckRun(const std::filesystem::path& project, const std::string& placement,
                     const std::filesystem::path& folder) {
    const auto run =
        RunCli("calc '" + project.string() + "' --json --pdf --placement " +
               (placement == "auto" ? "auto" : "manual") + " --out '" + folder.string() + "'");
    if (run.exitCode != 0) return "nubera-cli failed: " + run.err;
    const auto result = nlohmann::json::parse(run.out);
    std::string complaints;
    const int status = test::RunCommand(
        "/usr/bin/python3 '" NUBERA_SOURCE_DIR "/tests/cli/check_input_sheet.py' '" +
            project.string() + "' '" + result["workbook"].get<std::string>() + "' '" +
            result["pdf"].get<std::string>() + "' " + placement,
        &complaints);
    return status == 0 ? std::string() : complaints + "(exit " + std::to_string(status) + ")";
}

class InputSheetOfExample : public ::testing::TestWithParam<Case> {};

TEST_P(InputSheetOfExample, HoldsEveryInputAsTheProjectFileHasIt) {
    const Case& c = GetParam();
    const std::filesystem::path project =
        std::filesystem::path(NUBERA_SOURCE_DIR) / "examples" / c.name;
    EXPECT_EQ(CheckRun(project, c.placement, FreshFolder(project.stem().string())), "");
}

INSTANTIATE_TEST_SUITE_P(Examples, InputSheetOfExample,
                         ::testing::Values(Case{"one-block.nbr", "auto"},
                                           Case{"manual-points.nbr", "manual"},
                                           Case{"four-blocks-manual-lateral.nbr", "manual"},
                                           Case{"five-blocks-lateral.nbr", "auto"}));

TEST(InputSheetOfGeneratedProjects, HoldsEveryInputWhateverTheBlocksSurchargeAndMode) {
    for (const std::size_t blocks : {1u, 5u}) {
        for (const bool surcharge : {false, true}) {
            for (const bool lateral : {false, true}) {
                const std::string name = std::to_string(blocks) + (surcharge ? "-surcharge" : "") +
                                         (lateral ? "-lateral" : "");
                SCOPED_TRACE(name);
                const auto folder = FreshFolder(name);
                EXPECT_EQ(CheckRun(Generated(folder, blocks, surcharge, lateral), "auto", folder),
                          "");
            }
        }
    }
}

}  // namespace
}  // namespace nubera
