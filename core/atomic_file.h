#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace nubera {

// Replaces the file at `path` with `bytes` as one step: the bytes go to a new
// temporary file in the same folder, which is flushed to disk and only then
// renamed over `path`. A failure at any point removes the temporary file and
// leaves whatever was at `path` untouched. Returns false and sets *reason to
// the system's explanation on failure.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* reason);

}  // namespace nubera
