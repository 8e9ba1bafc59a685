#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace nubera {

// A path as the UTF-8 text messages and reports carry, and back. The
// program's texts are UTF-8 whatever the locale, so the conversion never
// goes through the narrow encoding of the environment. A name whose bytes
// are not UTF-8 reads as code page 932 when they are valid in it, else with
// U+FFFD for each byte that cannot be decoded; such text names the file for
// a person and does not give its bytes back.
std::string Utf8FromPath(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(std::string_view text);

// The folder a file named `path` is in: "." for a bare name.
std::filesystem::path FolderOf(const std::filesystem::path& path);

// `name` ending in `extension` (".pdf"): kept when it already does, in any
// letter case, else with the extension added ("report" and "report.v2" both
// gain it), so the file is what its name says.
std::filesystem::path WithExtension(std::filesystem::path name, std::string_view extension);

}  // namespace nubera
