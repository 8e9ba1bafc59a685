#pragma once

namespace nubera {

// How the points of interest are placed: computed across the section, or taken
// from the manually entered slots.
enum class Placement { Automatic, Manual };

}  // namespace nubera
