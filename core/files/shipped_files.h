#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace nubera {

// The folders a program looks in for the files it ships with (the report
// template, the figures, the help), in order: its own folder, where a build
// tree or a copied folder keeps them, then the installed share/nubera found
// relative to the program.
std::vector<std::filesystem::path> DataFolders(const std::filesystem::path& programFolder);

// The folders a program looks in for the helper programs it starts
// (nubera-pdf): its own folder, then the installed libexec/nubera.
std::vector<std::filesystem::path> HelperFolders(const std::filesystem::path& programFolder);

// The first of `folders` that holds `name`; nothing when none does.
std::optional<std::filesystem::path> FindShippedFile(
    const std::vector<std::filesystem::path>& folders, const std::filesystem::path& name);

// The file in every folder, one per line, for a message that says where it
// was looked for.
std::string PlacesLooked(const std::vector<std::filesystem::path>& folders,
                         const std::filesystem::path& name);

}  // namespace nubera
