#pragma once

#include <filesystem>
#include <string_view>

namespace nubera::web {

// Bytes the page handed over, as a file in the module's own memory under the
// name the user's file had, so that the programs' code reads them as it reads
// any project; removed again when done. Messages name it as the page's user
// knows it: by its name alone.
class ScratchFile {
  public:
    ScratchFile(std::string_view bytes, std::string_view name);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace nubera::web
