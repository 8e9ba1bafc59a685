#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace nubera {

// The per-user folder's name under the documents folder.
inline constexpr const char* kPerUserResultFolderName = "ヌベラ計算結果";
// The file that marks a program's folder as a build tree or a portable
// copy, where results go beside the program. An installation never has it.
inline constexpr const char* kPortableMarkerName = "nubera-portable.txt";

// Where the desktop program writes its result workbooks: its own folder when
// that folder carries kPortableMarkerName and a file can be made there;
// otherwise (installed, for an administrator as for anyone, or a marked
// folder on a read-only medium) the folder kPerUserResultFolderName under
// `documentsFolder`, made when needed. Nothing when neither takes a file
// (*reason then says why the per-user folder refused).
std::optional<std::filesystem::path> ResultFolder(const std::filesystem::path& programFolder,
                                                  const std::filesystem::path& documentsFolder,
                                                  std::string* reason);

}  // namespace nubera
