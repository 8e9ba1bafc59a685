#pragma once

// A fuzz input handed to readers that take a path, without touching the
// disk: the bytes live in an anonymous memory file named through /proc.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace nubera::fuzz {

class FuzzInputFile {
  public:
    FuzzInputFile(const std::uint8_t* data, std::size_t size) {
        fd_ = ::memfd_create("nubera-fuzz-input", MFD_CLOEXEC);
        std::size_t written = 0;
        while (fd_ >= 0 && written < size) {
            const ssize_t n = ::write(fd_, data + written, size - written);
            if (n <= 0) std::abort();  // the harness itself is broken, not the program
            written += static_cast<std::size_t>(n);
        }
        if (fd_ < 0) std::abort();
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~FuzzInputFile() { ::close(fd_); }
    FuzzInputFile(const FuzzInputFile&) = delete;
    FuzzInputFile& operator=(const FuzzInputFile&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    int fd_ = -1;
    std::filesystem::path path_;
};

// Stops the run as a finding when an invariant does not hold.
inline void Require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace nubera::fuzz
