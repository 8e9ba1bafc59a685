#pragma once

namespace nubera::widgets {

// Waits `milliseconds` while the windows keep being painted; what the user
// types or clicks meanwhile is handled afterwards, as after a plain sleep.
void PauseKeepingPainted(int milliseconds);

}  // namespace nubera::widgets
