// make_projects: writes COUNT random but valid project files into FOLDER, as
// the screens could have made them (stacked blocks, cumulative depths, layers
// of thickness 0 among them, values within the screens' limits), for timing
// batch runs and for the test that every one of them computes.
//   make_projects FOLDER COUNT [SEED]

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "projectfile/project_file.h"
#include "screenrules/fill_load_rules.h"
#include "screenrules/soil_layer_rules.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace {

using Random = std::mt19937;

double Uniform(Random& random, double low, double high) {
    return nubera::RoundHalf(std::uniform_real_distribution<double>(low, high)(random));
}

std::size_t Count(Random& random, std::size_t low, std::size_t high) {
    return std::uniform_int_distribution<std::size_t>(low, high)(random);
}

// About one layer in four has the thickness 0, which the soil screen takes;
// the ground as a whole is never of thickness 0.
nubera::SoilLayerTable RandomLayers(Random& random) {
    std::vector<nubera::SoilLayerRow> rows;
    bool thick = false;
    for (std::size_t i = Count(random, 1, nubera::kMaxSoilLayers); i > 0; --i) {
        const bool zero = Count(random, 0, 3) == 0 && (thick || i > 1);
        const double thickness = zero ? 0 : Uniform(random, 0.5, 6);
        thick = thick || !zero;
        rows.push_back({nubera::FormatFixed2(thickness),
                        nubera::LayerDepthText(rows, rows.size(), thickness),
                        std::to_string(static_cast<int>(Uniform(random, 1000, 60000)))});
    }
    return nubera::BuildSoilLayerTable(rows);
}

// From the bottom block up, each one standing on the crest of the one below.
std::vector<nubera::FillBlock> RandomBlocks(Random& random) {
    std::vector<nubera::FillBlock> blocks;
    double base = 0;
    double crest = Uniform(random, 20, 40);
    for (std::size_t i = Count(random, 1, nubera::kMaxFillBlocks); i > 0; --i) {
        nubera::FillBlock block;
        block.base = base;
        block.a = Uniform(random, crest * 0.1, crest * 0.3);
        block.c = Uniform(random, crest * 0.1, crest * 0.3);
        block.b = nubera::RoundHalf(crest - block.a - block.c);
        block.h = Uniform(random, 0.5, 3);
        block.totalHeight = nubera::TotalHeight(block.h, block.hy);
        block.unitWeight = Uniform(random, 16, 20);
        block.load = nubera::LoadIntensity(block.totalHeight, block.unitWeight);
        blocks.insert(blocks.begin(), block);
        base = nubera::RoundHalf(base + block.a);
        crest = block.b;
    }
    return blocks;
}

nubera::ProjectData RandomProject(Random& random) {
    nubera::ProjectData project;
    project.excavationWidth = Uniform(random, 5, 30);
    project.leveeWidth = Uniform(random, 10, 60);
    project.soilLayers = RandomLayers(random);
    const std::vector<nubera::FillBlock> blocks = RandomBlocks(random);
    if (const auto failure = nubera::CheckStacking(blocks)) {
        std::cerr << "generated blocks that do not stack: " << failure->message << '\n';
        std::exit(1);
    }
    project.fillLoads = nubera::BuildFillLoadTable(blocks);
    if (Count(random, 0, 1) == 1) {
        project.surcharge = nubera::BuildSurchargeTable(Uniform(random, 5, 20), blocks);
    }
    project.alsoLateral = Count(random, 0, 1) == 1;
    project.poissonRatio = project.alsoLateral ? Uniform(random, 0.25, 0.45) : 0.3;
    return project;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_projects FOLDER COUNT [SEED]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const int count = std::atoi(argv[2]);
    Random random(argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1u);
    std::filesystem::create_directories(folder);
    for (int i = 0; i < count; ++i) {
        std::string error;
        const auto path = folder / ("project-" + std::to_string(i) + ".nbr");
        if (!nubera::SaveProject(RandomProject(random), path, &error)) {
            std::cerr << error << '\n';
            return 1;
        }
    }
    return 0;
}
