// Runs a harness over saved inputs without libFuzzer, so that the ordinary
// build replays the corpus and every input that once failed:
//   HARNESS_replay FILE|FOLDER...
// A failing input aborts, naming itself first; a folder that does not exist
// is skipped.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <vector>

#include "files/file_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int Replay(const std::filesystem::path& path) {
    const auto bytes = nubera::ReadFileBytes(path);
    if (!bytes) {
        std::cerr << "cannot read " << path << '\n';
        return 1;
    }
    std::cerr << "replaying " << path.filename() << '\n';
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int failures = 0;
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files;
        // A harness without failed inputs yet has no folder of them.
        if (!std::filesystem::exists(argv[i])) continue;
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
                if (entry.is_regular_file()) files.push_back(entry.path());
            }
        } else {
            files.emplace_back(argv[i]);
        }
        for (const auto& file : files) {
            failures += Replay(file);
            ++replayed;
        }
    }
    std::cerr << replayed << " inputs replayed\n";
    return failures == 0 && replayed > 0 ? 0 : 1;
}
