#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace nubera {

// A path as the UTF-8 text messages and reports carry, and back. The
// program's texts are UTF-8 whatever the locale, so the conversion never
// goes through the narrow encoding of the environment.
std::string Utf8FromPath(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(std::string_view text);

// The folder a file named `path` is in: "." for a bare name.
std::filesystem::path FolderOf(const std::filesystem::path& path);

}  // namespace nubera
