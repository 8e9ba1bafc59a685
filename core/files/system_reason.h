#pragma once

#include <string>

namespace nubera {

// Why a file operation failed, in Japanese, for an errno value. The common
// reasons (no permission, no space, not found, too large, read-only) read in
// Japanese alone; a rare one keeps the system's own text after a Japanese
// lead, so that nothing the system said is lost.
std::string SystemReasonText(int error);

}  // namespace nubera
