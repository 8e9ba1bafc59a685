#include "text/path_order.h"

#include <algorithm>

namespace nubera {

bool PathTextBefore(std::string_view a, std::string_view b) {
    const bool rootedA = a.starts_with('/');
    if (rootedA != b.starts_with('/')) return !rootedA;
    // Name by name: a separator ends a name, so it comes before every byte
    // another name may go on with; a shorter path runs out of names first.
    const auto [endA, endB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (endA == a.end()) return endB != b.end();
    if (endB == b.end()) return false;
    if (*endA == '/' || *endB == '/') return *endA == '/';
    return static_cast<unsigned char>(*endA) < static_cast<unsigned char>(*endB);
}

}  // namespace nubera
