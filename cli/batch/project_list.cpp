#include "cli/batch/project_list.h"

#include <algorithm>
#include <system_error>

#include "files/system_reason.h"
#include "text/path_order.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

constexpr const char* kProjectExtension = ".nbr";

ListedProject Listed(const std::filesystem::path& path, std::string refusal = {}) {
    return {path.lexically_normal().native(), std::move(refusal)};
}

// The project files of `folder`; with `recursive`, those of its subfolders
// too (symbolic links to folders are not followed, so no loop is entered).
// Every folder that cannot be read is listed refused by its own path, and
// the listing goes on with the others.
void AddFolder(const std::filesystem::path& folder, bool recursive,
               std::vector<ListedProject>& listed) {
    std::vector<std::filesystem::path> pending{folder};
    while (!pending.empty()) {
        const std::filesystem::path current = std::move(pending.back());
        pending.pop_back();
        std::error_code failure;
        for (std::filesystem::directory_iterator it(current, failure), end; !failure && it != end;
             it.increment(failure)) {
            std::error_code unknown;  // a file that cannot be looked at is refused when read
            const bool isFolder = it->is_directory(unknown);
            if (isFolder && recursive && !it->is_symlink(unknown)) {
                pending.push_back(it->path());
            } else if (!isFolder && it->path().extension() == kProjectExtension) {
                listed.push_back(Listed(it->path()));
            }
        }
        if (failure) {
            listed.push_back(
                Listed(current, "フォルダ「" + Utf8FromPath(current) +
                                    "」を読めません: " + SystemReasonText(failure.value())));
        }
    }
}

}  // namespace

std::vector<ListedProject> ListProjects(const std::vector<std::filesystem::path>& given,
                                        bool recursive) {
    std::vector<ListedProject> listed;
    for (const std::filesystem::path& path : given) {
        std::error_code unknown;  // what cannot be looked at is refused when read as a file
        if (!std::filesystem::is_directory(path, unknown)) {
            listed.push_back(Listed(path));
        } else {
            AddFolder(path, recursive, listed);
        }
    }
    std::ranges::sort(listed, PathTextBefore, &ListedProject::path);
    const auto repeated = std::ranges::unique(listed, {}, &ListedProject::path);
    listed.erase(repeated.begin(), repeated.end());
    return listed;
}

}  // namespace nubera::cli
