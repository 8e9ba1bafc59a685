#include "files/shipped_files.h"

#include <system_error>

#include "files/install_dirs.h"

namespace nubera {
namespace {

std::vector<std::filesystem::path> OwnFolderThen(const std::filesystem::path& programFolder,
                                                 const char* installed) {
    return {programFolder, (programFolder / installed).lexically_normal()};
}

}  // namespace

std::vector<std::filesystem::path> DataFolders(const std::filesystem::path& programFolder) {
    return OwnFolderThen(programFolder, kDataFolderFromProgram);
}

std::vector<std::filesystem::path> HelperFolders(const std::filesystem::path& programFolder) {
    return OwnFolderThen(programFolder, kHelperFolderFromProgram);
}

std::optional<std::filesystem::path> FindShippedFile(
    const std::vector<std::filesystem::path>& folders, const std::filesystem::path& name) {
    for (const std::filesystem::path& folder : folders) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(folder / name, ignored)) return folder / name;
    }
    return std::nullopt;
}

std::string PlacesLooked(const std::vector<std::filesystem::path>& folders,
                         const std::filesystem::path& name) {
    std::string places;
    for (const std::filesystem::path& folder : folders) {
        places += (places.empty() ? "" : "\n") + (folder / name).string();
    }
    return places;
}

}  // namespace nubera
