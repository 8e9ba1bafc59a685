// Loaded into the programs under test with LD_PRELOAD, this library makes a
// system call fail as some file systems make it fail, chosen by the
// environment variable NUBERA_FAULT:
//   no-locks     flock fails with ENOLCK (a network share without its lock
//                service)
//   folder-sync  fsync of a folder fails with EIO (a disk that fails while
//                a name is made durable)
//   slow-sync    fsync of a file takes 20 ms longer (a slow disk: a batch's
//                workers get far ahead of the thread that names their files)
// Every other call goes to the C library as usual.

#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

bool FaultIs(const char* name) {
    const char* chosen = std::getenv("NUBERA_FAULT");
    return chosen != nullptr && std::strcmp(chosen, name) == 0;
}

bool IsFolder(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
}

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int flock(int fd, int operation) {
    if (FaultIs("no-locks")) {
        errno = ENOLCK;
        return -1;
    }
    static const auto next = Next<int (*)(int, int)>("flock");
    return next(fd, operation);
}

extern "C" int fsync(int fd) {
    if (FaultIs("folder-sync") && IsFolder(fd)) {
        errno = EIO;
        return -1;
    }
    if (FaultIs("slow-sync") && !IsFolder(fd)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    static const auto next = Next<int (*)(int)>("fsync");
    return next(fd);
}
