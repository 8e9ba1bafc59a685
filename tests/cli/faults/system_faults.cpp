// Loaded into the programs under test with LD_PRELOAD, this library makes a
// system call fail as some file systems make it fail, chosen by the
// environment variable NUBERA_FAULT:
//   no-locks     flock fails with ENOLCK (a network share without its lock
//                service)
//   folder-sync  fsync of a folder fails with EIO (a disk that fails while
//                a name is made durable)
//   slow-sync    fsync of a file takes 20 ms longer (a slow disk: a batch's
//                workers get far ahead of the thread that names their files)
//   name-appears fsync of a file first makes the file NUBERA_APPEARING holding
//                "stranger" (another program takes the name while a file
//                is being written for it)
//   rename-fails rename onto a name that ends with NUBERA_FAULT_NAME fails
//                with EIO (a disk that fails as one file is given its name)
// Every other call goes to the C library as usual.

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string_view>
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
    if (const char* appearing = std::getenv("NUBERA_APPEARING");
        FaultIs("name-appears") && appearing != nullptr && !IsFolder(fd)) {
        const int made = ::open(appearing, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (made >= 0) {
            static constexpr char kStranger[] = "stranger";
            (void)!::write(made, kStranger, sizeof kStranger - 1);
            ::close(made);
        }
    }
    static const auto next = Next<int (*)(int)>("fsync");
    return next(fd);
}

extern "C" int rename(const char* from, const char* to) {
    if (const char* name = std::getenv("NUBERA_FAULT_NAME");
        FaultIs("rename-fails") && name != nullptr && std::string_view(to).ends_with(name)) {
        errno = EIO;
        return -1;
    }
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    return next(from, to);
}
