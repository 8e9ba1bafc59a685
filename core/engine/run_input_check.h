#pragma once

#include "model/project_data.h"

namespace nubera {

// The largest length, in m, that a run accepts anywhere in the project. The
// screens keep every length far below it; a hand-edited file may not.
inline constexpr double kMaxLength = 1e5;

// Refuses, before anything is computed, a project that the screens could not
// have produced: more layers or blocks than the screens allow, Es not
// positive, a negative thickness, depth or load, a depth not below the one
// above it (a layer of thickness 0 repeats it) or not the sum of the
// thicknesses down to it (DepthFollows, DepthIsThicknessSum), a length that
// is not finite or beyond kMaxLength. Throws EngineError whose message names
// the table, the row and the value.
void CheckRunInputs(const ProjectData& project);

}  // namespace nubera
