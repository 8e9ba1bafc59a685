#include "web/module/scratch_file.h"

#include <fstream>

#include "text/path_text.h"

namespace nubera::web {
namespace {

// The folder the module works in, so that a file's path is its name.
void EnterScratchFolder() {
    static const bool entered = [] {
        const std::filesystem::path folder = "/scratch";
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
        return true;
    }();
    (void)entered;
}

// A browser gives a file's name without its folder; anything else that could
// lead out of the folder is cut off all the same.
std::filesystem::path FileName(std::string_view name) {
    const std::filesystem::path path = PathFromUtf8(name).filename();
    if (path.empty() || path == "." || path == "..") return "project.nbr";
    return path;
}

}  // namespace

ScratchFile::ScratchFile(std::string_view bytes, std::string_view name) : path_(FileName(name)) {
    EnterScratchFolder();
    std::ofstream(path_, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScratchFile::~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

}  // namespace nubera::web
