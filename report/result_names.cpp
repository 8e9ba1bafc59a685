#include "report/result_names.h"

#include <string>
#include <system_error>

#include "text/path_text.h"

namespace nubera::report {
namespace {

std::string TwoDigits(unsigned value) {
    return std::string{static_cast<char>('0' + value / 10 % 10),
                       static_cast<char>('0' + value % 10)};
}

// yyyymmdd
std::string DateDigits(std::chrono::year_month_day day) {
    const int year = static_cast<int>(day.year());
    return TwoDigits(year / 100) + TwoDigits(year % 100) + TwoDigits(unsigned(day.month())) +
           TwoDigits(unsigned(day.day()));
}

}  // namespace

std::filesystem::path ResultFileName(const std::filesystem::path& folder,
                                     std::chrono::year_month_day today, int counter) {
    const std::string number =
        counter < 100 ? TwoDigits(static_cast<unsigned>(counter)) : std::to_string(counter);
    return folder / PathFromUtf8("即時沈下量計算結果" + DateDigits(today) + number + ".xlsx");
}

std::filesystem::path ProjectResultFileName(const std::filesystem::path& folder,
                                            const std::filesystem::path& projectStem, int attempt) {
    const std::string suffix = attempt == 0 ? "" : "_" + std::to_string(attempt + 1);
    return folder /
           PathFromUtf8(Utf8FromPath(projectStem) + "_即時沈下量計算結果" + suffix + ".xlsx");
}

std::optional<std::filesystem::path> NewestProjectResult(const std::filesystem::path& folder,
                                                         const std::filesystem::path& projectStem) {
    const std::string base = Utf8FromPath(ProjectResultFileName({}, projectStem, 0).stem());
    const auto ours = [&](const std::string& stem) {
        if (stem == base) return true;
        if (stem.rfind(base + "_", 0) != 0) return false;
        const std::string number = stem.substr(base.size() + 1);
        return !number.empty() && number.find_first_not_of("0123456789") == std::string::npos;
    };
    std::optional<std::filesystem::path> newest;
    std::filesystem::file_time_type newestTime;
    std::error_code unreadable;  // a folder that cannot be listed holds nothing to show
    for (const auto& entry : std::filesystem::directory_iterator(folder, unreadable)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() != ".xlsx" || !ours(Utf8FromPath(path.stem()))) continue;
        std::error_code unknown;
        const auto written = entry.last_write_time(unknown);
        if (unknown || !entry.is_regular_file(unknown)) continue;
        if (!newest || written > newestTime) {
            newest = path;
            newestTime = written;
        }
    }
    return newest;
}

ResultNaming DatedResultNaming(const std::filesystem::path& folder,
                               std::chrono::year_month_day today) {
    return {folder,
            [folder, today](int attempt) { return ResultFileName(folder, today, attempt); }};
}

ResultNaming ProjectResultNaming(const std::filesystem::path& folder,
                                 const std::filesystem::path& projectStem) {
    return {folder, [folder, projectStem](int attempt) {
                return ProjectResultFileName(folder, projectStem, attempt);
            }};
}

}  // namespace nubera::report
