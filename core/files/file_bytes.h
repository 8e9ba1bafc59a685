#pragma once

#include <cstddef>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

namespace nubera {

// The first `maxBytes` bytes of a file (all of it by default); nothing when
// the file cannot be opened or a read fails (a folder, for instance).
std::optional<std::string> ReadFileBytes(
    const std::filesystem::path& path,
    std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

}  // namespace nubera
