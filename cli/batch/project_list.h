#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace nubera::cli {

// One project of a batch as listed, or a folder that could not be listed.
struct ListedProject {
    std::string path;     // the path's text, lexically normal: a batch holds many
    std::string refusal;  // why it is refused before it is read; empty otherwise
};

// The project files named by `given`: a file as it is, a folder's `*.nbr`
// files (with `recursive`, those of its subfolders too), sorted as paths
// and each named once. A folder that cannot be read is listed refused.
std::vector<ListedProject> ListProjects(const std::vector<std::filesystem::path>& given,
                                        bool recursive);

}  // namespace nubera::cli
