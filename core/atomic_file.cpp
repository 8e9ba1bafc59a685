#include "atomic_file.h"

#include "pending_file.h"

namespace nubera {

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* reason) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::optional<PendingFile> file = PendingFile::Create(folder, reason);
    return file && file->Write(bytes, reason) && file->ReplaceAs(path, reason);
}

}  // namespace nubera
