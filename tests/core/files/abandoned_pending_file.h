#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "files/pending_file.h"

namespace nubera::test {

// What a run killed while writing leaves in `folder`: its pending file, no
// longer locked. Returns its path; empty when none could be made.
inline std::filesystem::path AbandonedPendingFile(const std::filesystem::path& folder) {
    int told[2];
    if (::pipe(told) != 0) return {};
    const pid_t writer = ::fork();
    if (writer == 0) {
        std::string reason;
        const auto file = PendingFile::Create(folder, &reason, PendingFile::Sweep::Skip);
        const std::string name = file ? file->Path().filename().string() : std::string();
        (void)!::write(told[1], name.data(), name.size());
        ::_exit(0);  // as if killed: the file stays, and its lock ends with the process
    }
    ::close(told[1]);
    std::string name;
    char buffer[256];
    for (ssize_t got; (got = ::read(told[0], buffer, sizeof buffer)) > 0;) name.append(buffer, got);
    ::close(told[0]);
    if (writer > 0) ::waitpid(writer, nullptr, 0);
    return name.empty() ? std::filesystem::path() : folder / name;
}

}  // namespace nubera::test
