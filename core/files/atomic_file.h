#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "files/pending_file.h"

namespace nubera {

// What becomes of a file that already has the name being written.
enum class ExistingFile { Refuse, Replace };

// Writes `bytes` to the file at `path` as one step: the bytes go to a pending
// file in the same folder, which is synced to disk and only then given the
// name. A file already at `path` is replaced in that step when `existing` is
// Replace; with Refuse it is left untouched and the write fails (*reason
// says so). A failure at any point removes the pending file and leaves
// whatever was at `path` untouched. Returns false and sets *reason to why
// (in Japanese, see SystemReasonText) on failure.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* reason, ExistingFile existing = ExistingFile::Replace);

// The last step of the same for a file written piece by piece: syncs the
// complete `file` and gives it the name `path`, replacing or refusing a
// file of that name as `existing` says. On failure the name is untouched,
// *reason says why, and the file goes with `file`.
bool PublishFile(PendingFile& file, const std::filesystem::path& path, std::string* reason,
                 ExistingFile existing);

}  // namespace nubera
