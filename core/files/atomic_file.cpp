#include "files/atomic_file.h"

#include <cerrno>

#include "files/system_reason.h"
#include "text/path_text.h"

namespace nubera {

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* reason, ExistingFile existing) {
    std::optional<PendingFile> file = PendingFile::Create(FolderOf(path), reason);
    return file && file->Write(bytes, reason) && PublishFile(*file, path, reason, existing);
}

bool PublishFile(PendingFile& file, const std::filesystem::path& path, std::string* reason,
                 ExistingFile existing) {
    if (existing == ExistingFile::Replace) return file.ReplaceAs(path, reason);
    switch (file.PublishAs(path, reason)) {
        case PendingFile::Published::Done:
            return true;
        case PendingFile::Published::NameTaken:
            *reason = SystemReasonText(EEXIST) + "（上書きしません）";
            return false;
        case PendingFile::Published::Failed:
            break;
    }
    return false;
}

}  // namespace nubera
