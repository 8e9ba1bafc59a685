#pragma once

#include "model/project_data.h"

namespace nubera {

// Refuses, before anything is computed, a value whose number text the report
// could not show: beyond kMaxShownMagnitude, every value a plausible range
// judges (ForEachRangedValue), and the α and N̄ of the boring log the layers
// were read off while the report shows them. Throws EngineError naming the
// value. The lengths and the Poisson's ratio have narrower bounds of their
// own, checked before.
void CheckShownMagnitudes(const ProjectData& project);

}  // namespace nubera
