#include "files/pending_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <random>
#include <string_view>

#include "files/system_calls.h"
#include "files/system_reason.h"

namespace nubera {
namespace {

constexpr std::string_view kPrefix = ".nubera-";
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kRandomDigits = 16;

std::string Hex(std::uint64_t value, std::size_t digits) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(digits, '0');
    for (std::size_t i = digits; i-- > 0; value >>= 4) text[i] = kDigits[value & 0xF];
    return text;
}

// The mark that follows the random part of a pending file's name: a hash
// of that part only this program makes, so that a name some other program
// or a user chose (".nubera-notes.tmp") is never taken for ours.
std::string Mark(std::string_view random) {
    std::uint64_t hash = 0xcbf29ce484222325;  // FNV-1a
    for (const char c : std::string("nubera pending file ") + std::string(random)) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3;
    }
    return Hex(hash, kRandomDigits);
}

// ".nubera-<random>-<mark>.tmp"
std::string PendingName(std::mt19937_64& random) {
    const std::string part = Hex(random(), kRandomDigits);
    return std::string(kPrefix) + part + "-" + Mark(part) + std::string(kSuffix);
}

bool IsPendingName(std::string_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return false;
    name.remove_prefix(kPrefix.size());
    name.remove_suffix(kSuffix.size());
    return name.size() == 2 * kRandomDigits + 1 && name[kRandomDigits] == '-' &&
           name.substr(kRandomDigits + 1) == Mark(name.substr(0, kRandomDigits));
}

// Removes `path` when it is a regular file of this user that no live
// process holds the lock of: its writer was killed. The lock taken here and
// the same-file check keep a file that another run has just created (and
// not yet locked) or that replaced it under the same name from being removed.
void RemoveIfAbandoned(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return;
    struct stat held {};
    struct stat named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && held.st_nlink > 0 &&
        S_ISREG(held.st_mode) && held.st_uid == ::geteuid() && ::lstat(path.c_str(), &named) == 0 &&
        named.st_ino == held.st_ino && named.st_dev == held.st_dev) {
        ::unlink(path.c_str());
    }
    ::close(fd);
}

int LastError() {
    return errno != 0 ? errno : EIO;
}

}  // namespace

void PendingFile::RemoveAbandoned(const std::filesystem::path& folder) {
    std::error_code failure;
    for (std::filesystem::directory_iterator it(folder, failure), end; !failure && it != end;
         it.increment(failure)) {
        if (IsPendingName(it->path().filename().string())) RemoveIfAbandoned(it->path());
    }
}

std::optional<PendingFile> PendingFile::Create(const std::filesystem::path& folder,
                                               std::string* reason, Sweep sweep) {
    if (sweep == Sweep::First) RemoveAbandoned(folder);
    constexpr int kAttempts = 1000;
    thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::filesystem::path path = folder / PendingName(random);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            *reason = SystemReasonText(LastError());
            return std::nullopt;
        }
        int locked = 0;
        while ((locked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (locked != 0) {
            // A folder that cannot lock (a network share without its lock
            // service) fails every name alike: said once, the file removed.
            const int failure = LastError();
            ::unlink(path.c_str());
            ::close(fd);
            *reason = SystemReasonText(failure);
            return std::nullopt;
        }
        // Between creating and locking, another run may have taken it for
        // abandoned and removed it; then the next name is tried.
        struct stat held {};
        if (::fstat(fd, &held) == 0 && held.st_nlink > 0) return PendingFile(std::move(path), fd);
        ::close(fd);
    }
    *reason = SystemReasonText(EEXIST);
    return std::nullopt;
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : path_(std::move(other.path_)), fd_(other.fd_), named_(other.named_), synced_(other.synced_) {
    other.fd_ = -1;
}

PendingFile::~PendingFile() {
    if (fd_ < 0) return;
    // Removed while still locked, so no other run can mistake it for its own.
    if (!named_) ::unlink(path_.c_str());
    ::close(fd_);
}

bool PendingFile::Write(std::string_view bytes, std::string* reason) {
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            *reason = SystemReasonText(LastError());
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    // The disk starts on the bytes now; naming the file waits for them.
    StartWriteback(fd_);
    synced_ = false;
    return true;
}

bool PendingFile::Synced(std::string* reason) {
    if (!synced_ && ::fsync(fd_) != 0) {
        *reason = SystemReasonText(LastError());
        return false;
    }
    synced_ = true;
    return true;
}

PendingFile::Published PendingFile::PublishAs(const std::filesystem::path& target,
                                              std::string* reason) {
    if (!Synced(reason)) return Published::Failed;
    int failure = ::link(path_.c_str(), target.c_str()) == 0 ? 0 : errno;
    if (failure == 0) {
        named_ = true;
        ::unlink(path_.c_str());  // the complete file has its name; a left link is hidden
        return Published::Done;
    }
    // File systems without hard links (FAT on a memory stick) can still
    // rename without replacing.
    if (failure == EPERM || failure == EOPNOTSUPP || failure == ENOSYS) {
        failure = RenameWithoutReplacing(path_, target);
        if (failure == 0) {
            named_ = true;
            return Published::Done;
        }
    }
    if (failure == EEXIST) return Published::NameTaken;
    *reason = SystemReasonText(failure);
    return Published::Failed;
}

bool PendingFile::ReplaceAs(const std::filesystem::path& target, std::string* reason) {
    if (!Synced(reason)) return false;
    if (::rename(path_.c_str(), target.c_str()) != 0) {
        *reason = SystemReasonText(LastError());
        return false;
    }
    named_ = true;
    return true;
}

}  // namespace nubera
