#include "report/result_publishing.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/folder_sync.h"
#include "text/path_text.h"

namespace nubera::report {
namespace {

// Whether the file written beside `candidate` under its name already exists.
bool CompanionTaken(const std::filesystem::path& candidate, std::string_view extension) {
    if (extension.empty()) return false;
    std::filesystem::path companion = candidate;
    companion.replace_extension(extension);
    // Anything at that name, a dangling link too, takes it; so does a name
    // that cannot be looked at.
    struct stat status {};
    return ::lstat(companion.c_str(), &status) == 0 || errno != ENOENT;
}

// Makes the name just given to `published` durable; when the folder cannot
// be synced the name may not survive a power cut, so the workbook is taken
// back rather than reported as saved.
std::string SyncName(const std::filesystem::path& folder, const std::filesystem::path& published) {
    std::string reason;
    if (SyncFolder(folder, &reason)) return {};
    ::unlink(published.c_str());
    return "フォルダ「" + Utf8FromPath(folder) + "」をディスクに書き込めません: " + reason;
}

}  // namespace

std::string PublishFirstFree(PendingFile& file, const ResultNaming& naming,
                             std::string_view companionExtension,
                             std::filesystem::path& published) {
    for (int attempt = 0; attempt < kResultNameAttempts; ++attempt) {
        const std::filesystem::path candidate = naming.candidate(attempt);
        if (CompanionTaken(candidate, companionExtension)) continue;
        std::string reason;
        switch (file.PublishAs(candidate, &reason)) {
            case PendingFile::Published::Done:
                published = candidate;
                return SyncName(naming.folder, candidate);
            case PendingFile::Published::NameTaken:
                continue;
            case PendingFile::Published::Failed:
                return "「" + Utf8FromPath(candidate) + "」を保存できません: " + reason;
        }
    }
    return kNoFreeResultName;
}

std::string PublishAs(PendingFile& file, const std::filesystem::path& target,
                      ExistingResult existing, std::filesystem::path& published) {
    std::string reason;
    if (existing == ExistingResult::Replace) {
        if (!file.ReplaceAs(target, &reason)) {
            return "「" + Utf8FromPath(target) + "」を保存できません: " + reason;
        }
    } else {
        switch (file.PublishAs(target, &reason)) {
            case PendingFile::Published::Done:
                break;
            case PendingFile::Published::NameTaken:
                return "「" + Utf8FromPath(target) + "」は既にあります（上書きしません）";
            case PendingFile::Published::Failed:
                return "「" + Utf8FromPath(target) + "」を保存できません: " + reason;
        }
    }
    published = target;
    return {};
}

}  // namespace nubera::report
