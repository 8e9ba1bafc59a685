#include "files/system_calls.h"

#include <fcntl.h>
#include <stdio.h>

#include <cerrno>

namespace nubera {

#if defined(__linux__)

int RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ? 0
                                                                                            : errno;
}

void StartWriteback(int fd) {
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

#else

// A look before renaming could replace a file made in between: refused
// rather than done unsafely.
int RenameWithoutReplacing(const std::filesystem::path&, const std::filesystem::path&) {
    return ENOSYS;
}

void StartWriteback(int) {}

#endif

}  // namespace nubera
