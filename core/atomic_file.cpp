#include "atomic_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace nubera {
namespace {

// Creates a temporary file beside `target` that did not exist before ("x"
// fails rather than reuse a name, e.g. left by another save running at the
// same time). The name starts with a dot to keep it out of file dialogs.
std::FILE* CreateTemporaryBeside(const std::filesystem::path& target,
                                 std::filesystem::path& temporary) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = target;
        temporary.replace_filename("." + target.filename().string() + ".saving" +
                                   std::to_string(attempt));
        std::FILE* file = std::fopen(temporary.c_str(), "wbx");
        if (file || errno != EEXIST) return file;
    }
    return nullptr;
}

// The errno of a call that reported failure; EIO should it have left none.
int LastFailure() {
    return errno != 0 ? errno : EIO;
}

// Writes, flushes and syncs the whole of `bytes`, then closes `file` in every
// case. Returns 0 or the errno of the first failure.
int WriteAndClose(std::FILE* file, std::string_view bytes) {
    int failure = 0;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fflush(file) != 0 || ::fsync(::fileno(file)) != 0) {
        failure = LastFailure();
    }
    if (std::fclose(file) != 0 && failure == 0) failure = LastFailure();
    return failure;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* reason) {
    std::filesystem::path temporary;
    std::FILE* file = CreateTemporaryBeside(path, temporary);
    if (!file) {
        *reason = std::generic_category().message(errno);
        return false;
    }
    std::error_code failure(WriteAndClose(file, bytes), std::generic_category());
    if (!failure) std::filesystem::rename(temporary, path, failure);
    if (failure) {
        *reason = failure.message();
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace nubera
