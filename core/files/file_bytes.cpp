#include "files/file_bytes.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace nubera {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const std::size_t got = std::fread(buffer, 1, wanted, file.get());
        bytes.append(buffer, got);
        if (got < wanted) break;
    }
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

}  // namespace nubera
