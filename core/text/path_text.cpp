#include "text/path_text.h"

#include <algorithm>
#include <cctype>

namespace nubera {

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

std::filesystem::path WithExtension(std::filesystem::path name, std::string_view extension) {
    const std::string current = name.extension().string();
    const auto sameLetter = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    if (!std::ranges::equal(current, extension, sameLetter)) name += extension;
    return name;
}

}  // namespace nubera
