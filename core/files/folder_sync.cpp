#include "files/folder_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "files/system_reason.h"

namespace nubera {

bool SyncFolder(const std::filesystem::path& folder, std::string* reason) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        *reason = SystemReasonText(errno);
        if (fd >= 0) ::close(fd);
        return false;
    }
    ::close(fd);
    return true;
}

}  // namespace nubera
