// Templates damaged as a fuzzer damages them: each is refused with a
// message, or the workbook filled from it opens in other programs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "report/result_template.h"
#include "report/result_workbook.h"
#include "tests/report/report_run.h"

namespace nubera::report {
namespace {

using namespace test;

// Enough damaged copies to meet every kind of damage the corpus script
// makes several times over, few enough to fill and read them in seconds.
constexpr int kDamagedTemplates = 600;

std::string Script(const std::string& name) {
    return "/usr/bin/python3 '" NUBERA_SOURCE_DIR "/tests/report/" + name + "'";
}

std::vector<std::filesystem::path> DamagedTemplates(const std::filesystem::path& folder) {
    const std::string command = Script("damaged_templates.py") + " '" + TemplatePath().string() +
                                "' '" + folder.string() + "' " + std::to_string(kDamagedTemplates);
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::vector<std::filesystem::path> templates;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        templates.push_back(entry.path());
    }
    std::ranges::sort(templates);
    return templates;
}

// The workbook filled from `source`, or nothing when the template is refused
// (with a message: a refusal is never silent).
std::optional<std::filesystem::path> Filled(const std::filesystem::path& source,
                                            const std::filesystem::path& target,
                                            const ReportRun& run) {
    std::string error;
    const std::optional<report::ResultTemplate> loaded =
        report::ResultTemplate::Load(source, &error);
    std::optional<std::filesystem::path> written;
    if (loaded) {
        written = report::WriteResultWorkbookAs(run.project, run.results, run.context, *loaded,
                                                target, report::ExistingResult::Refuse, &error);
    }
    EXPECT_TRUE(written || !error.empty()) << source;
    return written;
}

TEST(DamagedTemplates, EveryWorkbookPublishedFromOneOpensInOtherReaders) {
    if (std::system("/usr/bin/python3 -c 'import openpyxl' 2>/dev/null") != 0) {
        GTEST_SKIP() << "openpyxl is not installed for /usr/bin/python3";
    }
    const auto folder = FreshFolder("damaged-templates");
    std::filesystem::create_directories(folder / "templates");
    std::filesystem::create_directories(folder / "workbooks");
    const ReportRun run = FiveBlockRun();
    std::string published;
    int count = 0;
    for (const auto& source : DamagedTemplates(folder / "templates")) {
        const auto target = folder / "workbooks" / source.filename().replace_extension(".xlsx");
        if (const auto written = Filled(source, target, run)) {
            published += " '" + written->string() + "'";
            ++count;
        }
    }
    RecordProperty("published", count);
    ASSERT_GT(count, 0) << "some damage leaves a template that serves";
    const std::string command = Script("open_workbooks.py") + published;
    EXPECT_EQ(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace nubera::report
