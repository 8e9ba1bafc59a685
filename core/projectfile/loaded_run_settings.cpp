#include "projectfile/loaded_run_settings.h"

namespace nubera {

PoissonCheck CheckLoadedPoisson(const LoadedProject& loaded) {
    return CheckPoissonText(loaded.alsoLateral ? loaded.poissonText : "");
}

Placement LoadedPlacement(const LoadedProject& loaded) {
    return loaded.manualPointsLoaded ? Placement::Manual : Placement::Automatic;
}

}  // namespace nubera
