#pragma once

namespace nubera::cli {

// The environment variable through which a helper learns its caller's
// process id: a helper whose parent is already another process by the time
// it starts (the caller died meanwhile) stops at once, and one whose caller
// dies later is stopped by the system.
inline constexpr const char* kHelperCallerVariable = "NUBERA_CALLER";

}  // namespace nubera::cli
