#pragma once

#include <string_view>

namespace nubera {

// Whether the path whose text is `a` comes before the one whose text is `b`
// in the order of std::filesystem::path (relative paths first, then name
// by name), for paths in their lexically normal form, without making
// either path: a long list of paths can be held and sorted as plain text,
// which takes a fraction of the memory.
bool PathTextBefore(std::string_view a, std::string_view b);

}  // namespace nubera
