#include "tests/printout/render/example_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <sstream>

#include "engine/calculation.h"
#include "projectfile/loaded_run_settings.h"
#include "projectfile/project_file.h"
#include "report/result_workbook.h"

namespace nubera::test {

ExampleReport RunExample(const std::string& name) {
    ExampleReport report;
    std::string error;
    const auto loaded =
        LoadProject(std::filesystem::path(NUBERA_SOURCE_DIR) / "examples" / name, &error);
    EXPECT_TRUE(loaded) << error;
    if (!loaded) return report;
    ApplyLoadedProject(*loaded, report.project);
    report.project.poissonRatio = CheckLoadedPoisson(*loaded).ratio;
    report.context = {name,
                      std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()),
                      LoadedPlacement(*loaded), ""};
    EXPECT_EQ(RunCalculation(report.project, report.results, report.context.placement),
              RunOutcome::Computed);

    // A folder of the running test's own: ctest runs tests side by side.
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string own = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(own.begin(), own.end(), '/', '_');
    const auto folder = std::filesystem::path(NUBERA_BINARY_DIR) / "test-output" / "render" / own;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto published = report::WriteResultWorkbook(
        report.project, report.results, report.context,
        std::filesystem::path(NUBERA_BINARY_DIR) / "bin" / report::kTemplateFileName, folder,
        std::chrono::year_month_day{}, &error);
    EXPECT_TRUE(published) << error;
    report.workbook = published.value_or(folder);
    return report;
}

std::string CommandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    ::pclose(pipe);
    return output;
}

std::vector<PdfWord> PdfWords(const std::filesystem::path& pdf, int page) {
    const std::string number = std::to_string(page);
    const std::string command =
        "pdftotext -enc UTF-8 -bbox -f " + number + " -l " + number + " '" + pdf.string() + "' -";
    static const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    std::istringstream lines(CommandOutput(command));
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (!std::regex_search(line, match, word)) continue;
        std::string text = match[5];
        for (const auto& [entity, character] :
             {std::pair{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}}) {
            for (std::size_t at; (at = text.find(entity)) != std::string::npos;) {
                text.replace(at, std::string(entity).size(), character);
            }
        }
        words.push_back({text, std::stod(match[1]), std::stod(match[2]), std::stod(match[3]),
                         std::stod(match[4])});
    }
    return words;
}

}  // namespace nubera::test
