#include "files/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace nubera {
namespace {

// Closes the descriptor it holds.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }

  private:
    int fd_;
};

// The file opened for reading when it is a regular file; -1 otherwise.
// Opening without blocking keeps a named pipe with no writer from stopping
// the program before it is looked at.
int OpenRegularFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    const Descriptor file(OpenRegularFile(path));
    if (file.Get() < 0) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t got = ::read(file.Get(), buffer, wanted);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

bool CanReadRegularFile(const std::filesystem::path& path) {
    return Descriptor(OpenRegularFile(path)).Get() >= 0;
}

bool IsOtherThanRegularFile(const std::filesystem::path& path) {
    std::error_code unknown;  // a name that cannot be looked at is refused when written
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, unknown);
    return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

}  // namespace nubera
