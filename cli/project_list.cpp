#include "cli/project_list.h"

#include <algorithm>
#include <system_error>

#include "files/system_reason.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

constexpr const char* kProjectExtension = ".nbr";

template <typename Iterator>
void AddFolder(const std::filesystem::path& folder, std::vector<ListedProject>& listed) {
    std::error_code failure;
    for (Iterator it(folder, failure), end; !failure && it != end; it.increment(failure)) {
        std::error_code unknown;  // a file that cannot be looked at is refused when read
        if (it->path().extension() == kProjectExtension && !it->is_directory(unknown)) {
            listed.push_back({it->path(), {}});
        }
    }
    if (failure) {
        listed.push_back({folder, "フォルダ「" + Utf8FromPath(folder) +
                                      "」を読めません: " + SystemReasonText(failure.value())});
    }
}

}  // namespace

std::vector<ListedProject> ListProjects(const std::vector<std::filesystem::path>& given,
                                        bool recursive) {
    std::vector<ListedProject> listed;
    for (const std::filesystem::path& path : given) {
        std::error_code unknown;  // what cannot be looked at is refused when read as a file
        if (!std::filesystem::is_directory(path, unknown)) {
            listed.push_back({path, {}});
        } else if (recursive) {
            AddFolder<std::filesystem::recursive_directory_iterator>(path, listed);
        } else {
            AddFolder<std::filesystem::directory_iterator>(path, listed);
        }
    }
    for (ListedProject& project : listed) project.path = project.path.lexically_normal();
    std::ranges::sort(listed, {}, &ListedProject::path);
    const auto repeated = std::ranges::unique(listed, {}, &ListedProject::path);
    listed.erase(repeated.begin(), repeated.end());
    return listed;
}

}  // namespace nubera::cli
