#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/run_cli.h"

namespace nubera {
namespace {

using ::testing::HasSubstr;

using json = nlohmann::ordered_json;
using test::Example;
using test::FreshFolder;
using test::RunCli;

// What poppler's pdfinfo reads of a PDF file.
std::string PdfInfo(const std::filesystem::path& pdf) {
    std::string text;
    test::RunCommand("pdfinfo '" + pdf.string() + "'", &text);
    return text;
}

TEST(CalcPdf, WritesThePrintedPagesBesideTheWorkbookAndNamesThem) {
    const auto folder = FreshFolder("pdf");
    const auto run = RunCli("calc " + Example("five-blocks-lateral.nbr") + " --json --pdf --out '" +
                            folder.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    const std::filesystem::path workbook = result["workbook"].get<std::string>();
    const std::filesystem::path pdf = result["pdf"].get<std::string>();
    EXPECT_EQ(pdf.parent_path(), workbook.parent_path());
    EXPECT_EQ(pdf.stem(), workbook.stem());
    EXPECT_EQ(pdf.extension(), ".pdf");
    EXPECT_THAT(PdfInfo(pdf), HasSubstr("Pages:           13\n"));
}

TEST(CalcPdf, WithoutAskingThereIsNoPdf) {
    const auto folder = FreshFolder("no-pdf");
    const auto run =
        RunCli("calc " + Example("one-block.nbr") + " --json --out '" + folder.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(json::parse(run.out)["pdf"].is_null());
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_NE(entry.path().extension(), ".pdf");
    }
}

TEST(CalcPdf, ABatchDrawsEveryWorkbookWithOneHelperRun) {
    const auto folder = FreshFolder("pdf-batch");
    const auto run =
        RunCli("calc " + Example("one-block.nbr") + " " + Example("five-blocks-lateral.nbr") +
               " --json --pdf --out '" + folder.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
    std::vector<std::string> projects;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        const json result = json::parse(line);
        if (!result.contains("project")) continue;
        projects.push_back(std::filesystem::path(result["project"].get<std::string>()).stem());
        const std::filesystem::path pdf = result["pdf"].get<std::string>();
        EXPECT_EQ(pdf.stem(), std::filesystem::path(result["workbook"].get<std::string>()).stem());
        EXPECT_THAT(PdfInfo(pdf),
                    HasSubstr(projects.back() == "one-block" ? "Pages:           7\n"
                                                             : "Pages:           13\n"));
    }
    EXPECT_EQ(projects, (std::vector<std::string>{"five-blocks-lateral", "one-block"}));
}

TEST(CalcPdf, TheHelperAnswersForEachListedWorkbookAndGoesOnAfterAFailure) {
    const auto folder = FreshFolder("pdf-list");
    const auto made =
        RunCli("calc " + Example("one-block.nbr") + " --json --out '" + folder.string() + "'");
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const std::string workbook = json::parse(made.out)["workbook"].get<std::string>();
    const std::string missing = (folder / "missing.xlsx").string();
    std::string answers;
    const int status = test::RunCommand(
        "printf '%s\\0%s\\0%s\\0\\0%s\\0%s\\0%s\\0\\0' '" + missing + "' '" +
            (folder / "missing.pdf").string() + "' 即時沈下量のまとめ '" + workbook + "' '" +
            (folder / "written.pdf").string() +
            "' 即時沈下量のまとめ | '" NUBERA_BINARY_DIR "/bin/nubera-pdf' --list | tr '\\0' '\\n'",
        &answers);
    EXPECT_EQ(status, 0);
    EXPECT_THAT(answers, HasSubstr("missing.xlsx"));
    EXPECT_THAT(answers, ::testing::EndsWith("\n\n")) << "the second answer is empty: written";
    EXPECT_THAT(PdfInfo(folder / "written.pdf"), HasSubstr("Pages:           1\n"));
}

constexpr const char* kPdfHelper = NUBERA_BINARY_DIR "/bin/nubera-pdf";

// Whether the process has ended (gone, or a zombie nobody has reaped yet).
bool Ended(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string pidText, name, state;
    return !(stat >> pidText >> name >> state) || state == "Z";
}

// A helper whose caller was killed stops rather than write a PDF nobody waits
// for: here it waits for the rest of its list, which never comes.
TEST(CalcPdf, TheHelperStopsWhenItsCallerDies) {
    int list[2];
    int told[2];
    ASSERT_EQ(::pipe2(list, O_CLOEXEC), 0);
    ASSERT_EQ(::pipe2(told, O_CLOEXEC), 0);
    const pid_t caller = ::fork();
    ASSERT_GE(caller, 0);
    if (caller == 0) {
        std::string named = "NUBERA_CALLER=" + std::to_string(::getpid());
        char* environment[] = {named.data(), nullptr};
        const pid_t helper = ::fork();
        if (helper == 0) {
            ::dup2(list[0], STDIN_FILENO);
            ::execle(kPdfHelper, kPdfHelper, "--list", nullptr, environment);
            ::_exit(127);
        }
        (void)!::write(told[1], &helper, sizeof helper);
        ::pause();
        ::_exit(0);
    }
    pid_t helper = 0;
    ASSERT_EQ(::read(told[0], &helper, sizeof helper), static_cast<ssize_t>(sizeof helper));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ::kill(caller, SIGKILL);
    ::waitpid(caller, nullptr, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!Ended(helper) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(Ended(helper));
    if (!Ended(helper)) ::kill(helper, SIGKILL);
    for (int fd : {list[0], list[1], told[0], told[1]}) ::close(fd);
}

// A helper started for a caller that is no longer its parent writes nothing.
TEST(CalcPdf, TheHelperOfACallerGoneBeforeItStartedWritesNothing) {
    const auto folder = FreshFolder("pdf-orphan");
    const auto made =
        RunCli("calc " + Example("one-block.nbr") + " --json --out '" + folder.string() + "'");
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const std::string workbook = json::parse(made.out)["workbook"].get<std::string>();
    for (const std::string& caller : {std::string("1"), std::string("$$")}) {
        const auto pdf = folder / ("caller-" + std::to_string(caller.size()) + ".pdf");
        std::string ignored;
        test::RunCommand("NUBERA_CALLER=" + caller + " '" + kPdfHelper + "' '" + workbook + "' '" +
                             pdf.string() + "' 即時沈下量のまとめ; echo",
                         &ignored);
        EXPECT_EQ(std::filesystem::exists(pdf), caller == "$$") << caller;
    }
}

TEST(CalcPdf, NeedsTheWorkbook) {
    const auto run = RunCli("calc " + Example("one-block.nbr") + " --pdf --no-workbook");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr("--no-workbook")) << run.err;
}

}  // namespace
}  // namespace nubera
