// A project file read as the load command reads it, its fill values derived
// from the entered ones taken as the desktop program offers, then the whole
// calculation. Whatever the file holds, the reader refuses it or the engine
// either throws its own EngineError or produces only finite numbers.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/calculation.h"
#include "engine/engine_error.h"
#include "model/calc_results.h"
#include "projectfile/loaded_run_settings.h"
#include "projectfile/project_file.h"
#include "screenrules/derived_fill_values.h"
#include "tests/fuzz/fuzz_input_file.h"

namespace {

using nubera::Cell;
using nubera::fuzz::Require;

void RequireFinite(const Cell& cell) {
    if (!cell.IsMissing()) Require(std::isfinite(cell.AsNumber()));
}

template <typename Rows>
void RequireFiniteRows(const Rows& rows) {
    for (const auto& row : rows) {
        for (const auto& item : row) {
            if constexpr (requires { item.IsMissing(); }) {
                RequireFinite(item);
            } else {
                for (const Cell& cell : item) RequireFinite(cell);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const nubera::fuzz::FuzzInputFile file(data, size);
    if (nubera::CheckProjectHeader(file.Path()) != nubera::HeaderCheck::Ok) return 0;
    std::string error;
    const auto loaded = nubera::LoadProject(file.Path(), &error);
    if (!loaded) {
        Require(!error.empty());
        return 0;
    }
    nubera::ProjectData project;
    nubera::ApplyLoadedProject(*loaded, project);
    nubera::TakeComputedValues(project);
    const nubera::PoissonCheck poisson = nubera::CheckLoadedPoisson(*loaded);
    if (!poisson.ok) return 0;
    project.poissonRatio = poisson.ratio;
    nubera::CalcResults results;
    try {
        if (nubera::RunCalculation(project, results, nubera::LoadedPlacement(*loaded)) !=
            nubera::RunOutcome::Computed) {
            return 0;
        }
    } catch (const nubera::EngineError&) {
        return 0;
    }
    Require(std::isfinite(results.equivalentModulus));
    RequireFiniteRows(results.pointOffsets);
    RequireFiniteRows(results.settlementDetail);
    RequireFiniteRows(results.surchargeSettlementDetail);
    RequireFiniteRows(results.lateralDetail);
    RequireFiniteRows(results.surchargeLateralDetail);
    return 0;
}
