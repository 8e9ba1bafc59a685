#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace nubera {

// Replaces the file at `path` with `bytes` as one step: the bytes go to a
// pending file in the same folder, which is synced to disk and only then
// renamed over `path`. A failure at any point removes the pending file and
// leaves whatever was at `path` untouched. Returns false and sets *reason to
// why (in Japanese, see SystemReasonText) on failure.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* reason);

}  // namespace nubera
