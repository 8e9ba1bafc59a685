#pragma once

#include <cstddef>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

namespace nubera {

// The first `maxBytes` bytes of a regular file (all of it by default);
// nothing when the file cannot be opened, is not a regular file (a folder, a
// named pipe or a device, which could block the reader or never end) or a
// read fails.
std::optional<std::string> ReadFileBytes(
    const std::filesystem::path& path,
    std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Whether `path` is a regular file that opens for reading.
bool CanReadRegularFile(const std::filesystem::path& path);

// Whether something other than a regular file has the name `path` (a
// device, a pipe, a folder, a symbolic link): a name never replaced by a
// file written, not even when replacing is asked for.
bool IsOtherThanRegularFile(const std::filesystem::path& path);

}  // namespace nubera
