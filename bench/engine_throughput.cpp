// Prints how many projects per second the engine computes (Em, point
// placement, settlement and, when asked for, lateral displacement), with and
// without reading the project file, for the given project (by default the
// largest example: five blocks, a surcharge, lateral displacement).
//   bench [PROJECT.nbr] [SECONDS]

#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>

#include "bench/repeat_timing.h"
#include "engine/calculation.h"
#include "engine/equivalent_modulus.h"
#include "model/calc_results.h"
#include "projectfile/loaded_run_settings.h"
#include "projectfile/project_file.h"

namespace {

// What a run computes, as the command-line tool does it. False when Em = 0.
bool Calculate(nubera::ProjectData& project, const nubera::LoadedProject& loaded,
               nubera::CalcResults& results) {
    nubera::ApplyLoadedProject(loaded, project);
    project.poissonRatio = nubera::CheckLoadedPoisson(loaded).ratio;
    return nubera::RunCalculation(project, results, nubera::LoadedPlacement(loaded)) ==
           nubera::RunOutcome::Computed;
}

// Repetitions of `work` per second, over about `seconds`.
double PerSecond(const std::function<void()>& work, double seconds) {
    return 1 / nubera::bench::MeanSeconds(work, seconds, 100);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : NUBERA_DEFAULT_PROJECT;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 2.0;
    std::string error;
    const auto loaded = nubera::LoadProject(path, &error);
    if (!loaded) {
        std::cerr << path << ": " << error << '\n';
        return 1;
    }
    nubera::ProjectData project;
    nubera::CalcResults results;
    try {
        if (!Calculate(project, *loaded, results)) {
            std::cerr << nubera::kEquivalentModulusZero << '\n';
            return 1;
        }
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    const double engine = PerSecond([&] { Calculate(project, *loaded, results); }, seconds);
    const double withFile = PerSecond(
        [&] { Calculate(project, *nubera::LoadProject(path, &error), results); }, seconds);
    std::cout << "project: " << path << '\n'
              << "engine:               " << static_cast<long>(engine) << " projects/s\n"
              << "read file + engine:   " << static_cast<long>(withFile) << " projects/s\n";
}
