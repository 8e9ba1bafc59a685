#include "files/result_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "files/system_reason.h"
#include "text/path_text.h"

namespace nubera {
namespace {

// Whether a file can be made in `folder`, found by making one: permission
// bits alone do not tell (an administrator passes them, a read-only mount
// refuses everyone). Sets *error to the system's error when not.
bool TakesFiles(const std::filesystem::path& folder, int* error) {
    std::string probe = (folder / ".nubera-write-probe-XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        *error = errno;
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace

std::optional<std::filesystem::path> ResultFolder(const std::filesystem::path& programFolder,
                                                  const std::filesystem::path& documentsFolder,
                                                  std::string* reason) {
    int error = 0;
    std::error_code unknown;  // a marker that cannot be looked at is no marker
    if (std::filesystem::is_regular_file(programFolder / kPortableMarkerName, unknown) &&
        TakesFiles(programFolder, &error)) {
        return programFolder;
    }
    const std::filesystem::path perUser = documentsFolder / PathFromUtf8(kPerUserResultFolderName);
    std::error_code created;
    std::filesystem::create_directories(perUser, created);
    if (!created && TakesFiles(perUser, &error)) return perUser;
    if (reason) *reason = SystemReasonText(created ? created.value() : error);
    return std::nullopt;
}

}  // namespace nubera
