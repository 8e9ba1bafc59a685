#pragma once

#include <filesystem>

namespace nubera {

// The calls of the files layer that only some systems have, each answered
// where the system lacks it (the browser's module has no Linux below it).

// Renames `from` to `to` in one step that never replaces a file of that
// name. Returns 0, or the errno: EEXIST when `to` exists, ENOSYS where the
// system cannot rename without replacing.
int RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// Starts writing the file's changed pages to disk without waiting for them;
// a hint, which a system without it ignores.
void StartWriteback(int fd);

}  // namespace nubera
