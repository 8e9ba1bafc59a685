#include "cli/project_calculation.h"

#include <chrono>

#include "cli/file_digest.h"
#include "engine/calculation.h"
#include "engine/engine_error.h"
#include "engine/equivalent_modulus.h"
#include "projectfile/loaded_run_settings.h"
#include "projectfile/project_file.h"
#include "screenrules/derived_fill_values.h"
#include "screenrules/poisson_ratio.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

// The load command's header check, then the reader.
std::optional<LoadedProject> LoadForCalc(const std::filesystem::path& path, std::string* error) {
    switch (CheckProjectHeader(path)) {
        case HeaderCheck::Unreadable:
            *error = UnreadableProjectText(path);
            return std::nullopt;
        case HeaderCheck::WrongHeader:
            *error = kProjectFileWrongVersion;
            return std::nullopt;
        case HeaderCheck::Ok:
            break;
    }
    return LoadProject(path, error);
}

// A file whose derived fill values contradict its entered ones is refused:
// the run would print both side by side.
bool DerivedValuesAgree(const LoadedProject& loaded, std::string* error) {
    const std::vector<DerivedMismatch> mismatches =
        DerivedValueMismatches({loaded.fillLoads, loaded.surcharge});
    if (mismatches.empty()) return true;
    *error = DerivedMismatchText(mismatches) + "\n" + kDerivedMismatchAdvice;
    return false;
}

}  // namespace

std::string UnreadableProjectText(const std::filesystem::path& path) {
    return "ﾌｧｲﾙを読み込めません: " + Utf8FromPath(path);
}

std::optional<ComputedProject> ComputeProject(const std::filesystem::path& path,
                                              std::optional<Placement> placement,
                                              std::string* error) {
    const auto loaded = LoadForCalc(path, error);
    if (!loaded || !DerivedValuesAgree(*loaded, error)) return std::nullopt;
    ComputedProject computed;
    ApplyLoadedProject(*loaded, computed.project);
    const PoissonCheck poisson = CheckLoadedPoisson(*loaded);
    if (!poisson.ok) {
        *error = poisson.message;
        return std::nullopt;
    }
    computed.project.poissonRatio = poisson.ratio;
    computed.placement = placement.value_or(LoadedPlacement(*loaded));
    try {
        if (RunCalculation(computed.project, computed.results, computed.placement) !=
            RunOutcome::Computed) {
            *error = kEquivalentModulusZero;
            return std::nullopt;
        }
    } catch (const EngineError& failure) {
        *error = failure.what();
        return std::nullopt;
    }
    return computed;
}

report::ReportContext RunContext(const std::filesystem::path& path, Placement placement) {
    return {Utf8FromPath(path.filename()),
            std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()), placement,
            FileSha256(path)};
}

}  // namespace nubera::cli
