#pragma once

#include <filesystem>
#include <string>

namespace nubera::cli {

// The SHA-256 of a file's bytes in lower-case hex; empty when it cannot be
// read (the report then says the inputs are not saved).
std::string FileSha256(const std::filesystem::path& path);

}  // namespace nubera::cli
