// durable_floor: the least a program can do to publish a workbook as durably
// as nubera-cli does, for comparing one call against. It reads SOURCE (a
// finished workbook, so the bytes are as many as a real one's), writes them
// to a hidden temporary file in FOLDER, syncs it, gives it the name
// FOLDER/floor-PID.xlsx without replacing anything and syncs the folder.
// Plain system calls only, so that it starts as fast as a program can.
//   durable_floor SOURCE FOLDER

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool WriteAll(int fd, const char* bytes, ssize_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, static_cast<size_t>(size));
        if (written <= 0) return false;
        bytes += written;
        size -= written;
    }
    return true;
}

// Reads all of `path` into a buffer it returns (nullptr on failure).
char* ReadAll(const char* path, ssize_t& size) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) return nullptr;
    char* bytes = static_cast<char*>(std::malloc(static_cast<size_t>(info.st_size) + 1));
    size = 0;
    for (ssize_t n; bytes && (n = ::read(fd, bytes + size,
                                         static_cast<size_t>(info.st_size) + 1 -
                                             static_cast<size_t>(size))) > 0;) {
        size += n;
    }
    ::close(fd);
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: durable_floor SOURCE FOLDER\n", stderr);
        return 2;
    }
    ssize_t size = 0;
    char* bytes = ReadAll(argv[1], size);
    char temporary[4096];
    char target[4096];
    std::snprintf(temporary, sizeof temporary, "%s/.floor-%d.tmp", argv[2], ::getpid());
    std::snprintf(target, sizeof target, "%s/floor-%d.xlsx", argv[2], ::getpid());
    const int fd = ::open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    const bool written = bytes && fd >= 0 && WriteAll(fd, bytes, size) && ::fsync(fd) == 0;
    const bool named = written && ::link(temporary, target) == 0;
    ::unlink(temporary);
    const int folder = ::open(argv[2], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = named && folder >= 0 && ::fsync(folder) == 0;
    if (!synced) std::fputs("durable_floor: could not publish the file\n", stderr);
    return synced ? 0 : 1;
}
