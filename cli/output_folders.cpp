#include "cli/output_folders.h"

#include <system_error>
#include <vector>

#include "files/system_reason.h"
#include "text/path_text.h"

namespace nubera::cli {

bool MakeOutputFolders(const CalcOptions& options, std::ostream& err) {
    std::vector<std::filesystem::path> folders;
    if (options.writeWorkbook && !options.besideProject) folders.push_back(options.outputFolder);
    if (options.csv) folders.push_back(FolderOf(*options.csv));
    for (const std::filesystem::path& folder : folders) {
        std::error_code failed;
        std::filesystem::create_directories(folder, failed);
        if (failed) {
            err << "フォルダ「" << Utf8FromPath(folder)
                << "」を作成できません: " << SystemReasonText(failed.value()) << '\n';
            return false;
        }
    }
    return true;
}

}  // namespace nubera::cli
