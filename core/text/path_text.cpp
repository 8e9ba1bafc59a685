#include "text/path_text.h"

#include <algorithm>
#include <cctype>

#include "text/cp932.h"
#include "text/utf8_text.h"

namespace nubera {
namespace {

// One name of a path as text. Names unpacked from an archive made on a
// Japanese desktop are often code page 932 rather than UTF-8; a name that is
// neither shows its undecodable bytes as replacement characters.
std::string NameText(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    if (std::optional<std::string> decoded = Cp932ToUtf8(bytes)) return *decoded;
    return WithReplacementCharacters(bytes);
}

}  // namespace

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::string& bytes = path.native();
    if (IsValidUtf8(bytes)) return bytes;
    // Decoded name by name: a folder in UTF-8 may hold a file named in code
    // page 932.
    std::string text;
    for (std::size_t start = 0;;) {
        const std::size_t end = bytes.find('/', start);
        text += NameText(std::string_view(bytes).substr(start, end - start));
        if (end == std::string::npos) return text;
        text += '/';
        start = end + 1;
    }
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
    if (!std::equal(current.begin(), current.end(), extension.begin(), extension.end(),
                    sameLetter)) {
        name += extension;
    }
    return name;
}

}  // namespace nubera
