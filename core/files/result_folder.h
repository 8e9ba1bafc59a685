#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace nubera {

// The per-user folder's name under the documents folder.
inline constexpr const char* kPerUserResultFolderName = "ヌベラ計算結果";

// Where the desktop program writes its result workbooks: its own folder when
// a file can be made there (a build tree, a copied folder), as it always has;
// otherwise, once installed where only an administrator writes, the folder
// kPerUserResultFolderName under `documentsFolder`, made when needed. Nothing
// when neither takes a file (*reason then says why the per-user folder
// refused).
std::optional<std::filesystem::path> ResultFolder(const std::filesystem::path& programFolder,
                                                  const std::filesystem::path& documentsFolder,
                                                  std::string* reason);

}  // namespace nubera
