#pragma once

// The names a run's workbook may take: the dated names of an unsaved
// project's workbooks and a saved project's own, tried in order until one is
// free. The desktop run and the batch name workbooks by the same rule.

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>

namespace nubera::report {

// How many names a workbook tries before it gives up: far more than a folder
// will ever hold, so that a name search always ends.
inline constexpr int kResultNameAttempts = 100000;

// folder/即時沈下量計算結果yyyymmddNN.xlsx for `counter` NN of `today`; from
// 100 on the counter takes the digits it needs (…20261208100.xlsx).
std::filesystem::path ResultFileName(const std::filesystem::path& folder,
                                     std::chrono::year_month_day today, int counter);

// folder/<project>_即時沈下量計算結果.xlsx, and for later attempts
// …_即時沈下量計算結果_2.xlsx, _3 and so on: a saved project's workbooks, named
// as the batch names them. `projectStem` is the project file's name without
// its extension.
std::filesystem::path ProjectResultFileName(const std::filesystem::path& folder,
                                            const std::filesystem::path& projectStem, int attempt);

// The newest of the project's own workbooks in `folder` (by the time it was
// written), or nothing.
std::optional<std::filesystem::path> NewestProjectResult(const std::filesystem::path& folder,
                                                         const std::filesystem::path& projectStem);

// The names a run's workbook may take, tried in order until one is free.
struct ResultNaming {
    std::filesystem::path folder;
    std::function<std::filesystem::path(int attempt)> candidate;
};

// The dated names of `today`: an unsaved project's workbooks.
ResultNaming DatedResultNaming(const std::filesystem::path& folder,
                               std::chrono::year_month_day today);
// The project's own names.
ResultNaming ProjectResultNaming(const std::filesystem::path& folder,
                                 const std::filesystem::path& projectStem);

}  // namespace nubera::report
