#include "files/atomic_file.h"

#include "files/pending_file.h"
#include "text/path_text.h"

namespace nubera {

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* reason) {
    std::optional<PendingFile> file = PendingFile::Create(FolderOf(path), reason);
    return file && file->Write(bytes, reason) && file->ReplaceAs(path, reason);
}

}  // namespace nubera
