#include "tests/report/report_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "engine/calculation.h"
#include "files/file_bytes.h"

namespace nubera::test {
namespace {

struct Tier {
    double height, toe, a, b, c;
};

// Fill rows as the fill-load screen commits them: unit weight 18 kN/m3, the
// loading width, the centre and its offset from the centre of row 0.
FillLoadTable MakeFill(std::initializer_list<Tier> tiers) {
    FillLoadTable fill = MakeFillLoadTable();
    fill.ResizeRows(tiers.size());
    std::size_t row = 0;
    for (const Tier& t : tiers) {
        const double values[] = {t.height,
                                 0,
                                 t.height,
                                 18,
                                 t.height * 18,
                                 t.toe,
                                 t.a,
                                 t.b,
                                 t.c,
                                 t.a / 2 + t.b + t.c / 2,
                                 t.toe + (t.a + t.b + t.c) / 2};
        for (std::size_t column = 0; column < std::size(values); ++column) {
            fill.At(column, row) = Cell::Number(values[column]);
        }
        ++row;
    }
    for (row = 0; row < fill.RowCount(); ++row) {
        fill.At(fill_column::kCentreOffset, row) =
            Cell::Number(fill.Number(fill_column::kCentreDistance, row) -
                         fill.Number(fill_column::kCentreDistance, 0));
    }
    if (fill.RowCount() == 1) fill.At(fill_column::kCentreOffset, 0) = Cell::Text("0");
    return fill;
}

SoilLayerTable MakeSoil() {
    SoilLayerTable soil = MakeSoilLayerTable();
    soil.ResizeRows(2);
    const double layers[2][3] = {{3, 3, 5000}, {5, 8, 9000}};
    for (std::size_t row = 0; row < 2; ++row) {
        for (std::size_t column = 0; column < 3; ++column) {
            soil.At(column, row) = Cell::Number(layers[row][column]);
        }
    }
    return soil;
}

// Layers 1.5 m thick, each stiffer than the one above.
SoilLayerTable MakeDeepSoil(std::size_t layers) {
    SoilLayerTable soil = MakeSoilLayerTable();
    soil.ResizeRows(layers);
    for (std::size_t row = 0; row < layers; ++row) {
        const double number = static_cast<double>(row + 1);
        soil.At(soil_column::kThickness, row) = Cell::Number(1.5);
        soil.At(soil_column::kDepth, row) = Cell::Number(1.5 * number);
        soil.At(soil_column::kModulus, row) = Cell::Number(2000 + 750 * number);
    }
    return soil;
}

SurchargeTable MakeSurcharge(double load, double width, double offset) {
    SurchargeTable surcharge = MakeSurchargeTable();
    surcharge.ResizeRows(1);
    surcharge.At(surcharge_column::kLoad, 0) = Cell::Number(load);
    surcharge.At(surcharge_column::kLoadingWidth, 0) = Cell::Number(width);
    surcharge.At(surcharge_column::kCentreOffset, 0) = Cell::Number(offset);
    return surcharge;
}

// 2025-03-14 05:06:07 UTC
constexpr std::chrono::sys_seconds kRunTime{std::chrono::seconds{1741928767}};
// The SHA-256 of the project file the run came from, as the report prints it.
constexpr const char* kSavedDigest =
    "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08";

ReportRun Run(ProjectData project, Placement placement) {
    ReportRun run{std::move(project), {}, {"盛土&掘削.nbr", kRunTime, placement, kSavedDigest}};
    EXPECT_EQ(RunCalculation(run.project, run.results, placement), RunOutcome::Computed);
    return run;
}

ProjectData BaseProject() {
    ProjectData project;
    project.excavationWidth = 10;
    project.leveeWidth = 30;
    project.soilLayers = MakeSoil();
    project.poissonRatio = 0.3;
    return project;
}

}  // namespace

ReportRun OneBlockRun() {
    ProjectData project = BaseProject();
    project.fillLoads = MakeFill({{2.5, 0, 3, 4, 3}});
    return Run(std::move(project), Placement::Automatic);
}

ReportRun FiveBlockRun() {
    ProjectData project = BaseProject();
    project.fillLoads = MakeFill({{1, 8, 2, 6, 4},
                                  {1, 6, 2, 12, 4},
                                  {1, 4, 2, 18, 4},
                                  {1, 2, 2, 24, 4},
                                  {1.5, 0, 2, 30, 4}});
    project.surcharge = MakeSurcharge(10, 6, -1);
    project.alsoLateral = true;
    return Run(std::move(project), Placement::Automatic);
}

ReportRun LargestRun() {
    ProjectData project = BaseProject();
    project.soilLayers = MakeDeepSoil(20);
    project.fillLoads = MakeFill({{1, 8, 2, 6, 4},
                                  {1, 6, 2, 12, 4},
                                  {1, 4, 2, 18, 4},
                                  {1, 2, 2, 24, 4},
                                  {1.5, 0, 2, 30, 4}});
    project.surcharge = MakeSurcharge(12.5, 4, 0.25);
    project.focusPoints.emplace();
    for (std::size_t k = 0; k < kPointCount; ++k) {
        (*project.focusPoints)[k] = Cell::Number(-15 + 3.0 * static_cast<double>(k));
    }
    project.alsoLateral = true;
    return Run(std::move(project), Placement::Manual);
}

ReportRun ManualPointsRun() {
    ProjectData project = BaseProject();
    project.fillLoads = MakeFill({{1, 2, 2, 6, 2}, {1.5, 0, 2, 10, 2}});
    project.focusPoints.emplace();
    for (std::size_t k = 0; k < 6; ++k) {
        (*project.focusPoints)[k] = Cell::Number(-6 + 2.0 * static_cast<double>(k));
    }
    project.alsoLateral = true;
    return Run(std::move(project), Placement::Manual);
}

std::filesystem::path TemplatePath() {
    return std::filesystem::path(NUBERA_BINARY_DIR) / "bin" / u8"即時沈下量計算結果.xltx";
}

std::filesystem::path FreshFolder(std::string_view name) {
    const std::filesystem::path folder =
        std::filesystem::path(NUBERA_BINARY_DIR) / "test-output" / "report" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path ChangedTemplate(const std::filesystem::path& folder, const std::string& part,
                                      const std::string& from, const std::string& to) {
    const auto parts = folder / "parts";
    std::filesystem::copy(std::filesystem::path(NUBERA_SOURCE_DIR) / "report" / "template", parts,
                          std::filesystem::copy_options::recursive);
    std::string xml = ReadFileBytes(parts / part).value_or("");
    EXPECT_NE(xml.find(from), std::string::npos) << from;
    xml.replace(xml.find(from), from.size(), to);
    std::ofstream(parts / part, std::ios::binary) << xml;
    const auto packed = folder / "changed.xltx";
    const std::string command = "cmake -DSOURCE='" + parts.string() + "' -DOUTPUT='" +
                                packed.string() +
                                "' -P '" NUBERA_SOURCE_DIR "/report/pack_template.cmake'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return packed;
}

}  // namespace nubera::test
