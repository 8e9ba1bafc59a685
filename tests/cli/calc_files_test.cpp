// What a call reads, writes and reports about files: no option writes over
// a file it should not, every file and folder that fails is named, and a
// success is only reported once its files are safe on disk.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/cli/batch_projects.h"
#include "tests/cli/run_cli.h"

namespace nubera {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

using json = nlohmann::ordered_json;
using test::AllWorkbooksWhole;
using test::CsvRows;
using test::FileNames;
using test::kWorkbookSuffix;
using test::Lines;
using test::Projects;
using test::Quoted;
using test::ReadAll;
using test::RunCli;
using test::RunCommand;
using test::TodayDigits;
using test::WithFault;

const std::string kResultStem = "即時沈下量計算結果";

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(CalcFiles, TheCsvNeverReplacesAFileTheCallReadsOrWrites) {
    const Projects projects("csv-target");
    const auto project = projects.Add("a.nbr", "one-block.nbr");
    const auto workbook = projects.Out() / ("a" + kWorkbookSuffix);
    const std::string projectBytes = ReadAll(project);
    // The workbook this call writes, spelt through "..", even with --replace.
    auto run = RunCli("calc " + Quoted(project) + projects.OutArgument() + " --replace --csv " +
                      Quoted(projects.Out() / ".." / "out" / workbook.filename()));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr("この実行で読み書きするファイルです"));
    EXPECT_TRUE(FileNames(projects.Out()).empty()) << "nothing computed or written";

    // The project itself, also through a symbolic link to it.
    std::filesystem::create_symlink(project, projects.Out() / "link.nbr");
    for (const auto& csv : {project, projects.Out() / "link.nbr"}) {
        run = RunCli("calc " + Quoted(project) + projects.OutArgument() + " --replace --csv " +
                     Quoted(csv));
        EXPECT_EQ(run.exitCode, 1) << csv;
        EXPECT_EQ(ReadAll(project), projectBytes) << csv;
    }
}

// The workbook or PDF this call is about to write, named through a link to
// their folder: the name is the same once the folder is resolved.
TEST(CalcFiles, TheCsvNeverTakesAWorkbookOrPdfNameThroughALinkedFolder) {
    const Projects projects("csv-linked-folder");
    const auto project = projects.Add("a.nbr", "one-block.nbr");
    const auto linked = projects.Out().parent_path() / "outlink";
    std::filesystem::create_directory_symlink(projects.Out(), linked);
    for (const std::string& name : {"a" + kWorkbookSuffix, "a_" + kResultStem + ".pdf"}) {
        const auto run = RunCli("calc " + Quoted(project) + projects.OutArgument() +
                                " --pdf --replace --csv " + Quoted(linked / name));
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_EQ(run.err, "CSVファイル「" + (linked / name).string() +
                               "」はこの実行で読み書きするファイルです。CSVの保存先には別の"
                               "名前を指定してください\n");
        EXPECT_TRUE(FileNames(projects.Out()).empty()) << name;
    }
}

// A device, a pipe or a link is never replaced by a file, --replace or not.
TEST(CalcFiles, TargetsThatAreNotRegularFilesAreRefusedByName) {
    const Projects projects("not-regular");
    const auto project = projects.Add("a.nbr", "one-block.nbr");
    const auto pipe = projects.Out() / "pipe.csv";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto link = projects.Out() / "link.csv";
    std::filesystem::create_symlink("elsewhere.csv", link);
    for (const auto& csv : {pipe, link}) {
        const auto run = RunCli("calc " + Quoted(project) + projects.OutArgument() +
                                " --replace --csv " + Quoted(csv));
        EXPECT_EQ(run.exitCode, 1) << csv;
        EXPECT_EQ(run.err, "CSVファイル「" + csv.string() +
                               "」は通常のファイルではありません（置き換えません）\n");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_TRUE(std::filesystem::is_symlink(link));

    // A workbook's name held by a pipe refuses its project.
    const auto workbook = projects.Out() / ("a" + kWorkbookSuffix);
    ASSERT_EQ(::mkfifo(workbook.c_str(), 0600), 0);
    const auto run =
        RunCli("calc " + Quoted(projects.Root()) + projects.OutArgument() + " --replace");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.out, HasSubstr("「" + workbook.string() +
                                   "」は通常のファイルではありません（置き換えません）"));
    EXPECT_TRUE(std::filesystem::is_fifo(workbook));
}

TEST(CalcFiles, TheCsvReplacesAnExistingFileOnlyWithReplace) {
    const Projects projects("csv-existing");
    const auto project = projects.Add("a.nbr", "one-block.nbr");
    const auto csv = projects.Out() / "summary.csv";
    WriteText(csv, "kept");
    auto run = RunCli("calc " + Quoted(project) + " --no-workbook --csv " + Quoted(csv));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "CSVファイル「" + csv.string() + "」は既にあります（上書きしません）\n");
    EXPECT_EQ(run.out, "") << "refused before anything ran";
    EXPECT_EQ(ReadAll(csv), "kept");

    run = RunCli("calc " + Quoted(project) + projects.OutArgument() + " --replace --csv " +
                 Quoted(csv));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(ReadAll(csv), StartsWith("\xEF\xBB\xBFプロジェクト,"));
}

TEST(CalcFiles, ASingleRunWithPdfNeverReplacesAPdfOfTheDay) {
    const Projects projects("pdf-taken");
    const auto project = projects.Add("a.nbr", "one-block.nbr");
    const auto day = projects.Out() / (kResultStem + TodayDigits());
    WriteText(day.string() + "00.pdf", "an earlier PDF");
    std::filesystem::create_directory(day.string() + "01.pdf");
    const auto run = RunCli("calc " + Quoted(project) + " --pdf --json" + projects.OutArgument());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    EXPECT_EQ(result["workbook"], day.string() + "02.xlsx");
    EXPECT_EQ(result["pdf"], day.string() + "02.pdf");
    EXPECT_EQ(ReadAll(day.string() + "00.pdf"), "an earlier PDF");
    EXPECT_TRUE(std::filesystem::is_directory(day.string() + "01.pdf"));
}

TEST(CalcFiles, APdfThatFailsInABatchLeavesItsProjectSucceededWithItsWorkbook) {
    const Projects projects("pdf-fails-in-batch");
    projects.Add("a.nbr", "one-block.nbr");
    projects.Add("b.nbr", "one-block.nbr");
    // The disk fails as a.pdf is given its name.
    const auto csv = projects.Out() / "summary.csv";
    const auto run =
        RunCli("calc " + Quoted(projects.Root()) + " --pdf --replace --csv " + Quoted(csv) +
                   projects.OutArgument(),
               WithFault("rename-fails") + " NUBERA_FAULT_NAME='a_" + kResultStem + ".pdf'");
    EXPECT_EQ(run.exitCode, 1);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_THAT(lines[0], StartsWith(projects.RootText() + "/a.nbr\tEm 6860.00 kN/m2\t"));
    EXPECT_THAT(lines[0], HasSubstr("\t" + (projects.Out() / ("a" + kWorkbookSuffix)).string() +
                                    "\tPDF失敗: PDFファイルを作成できませんでした: "));
    EXPECT_EQ(lines[2], "成功 2 件、拒否 0 件、PDF失敗 1 件");

    const json rows = CsvRows(csv);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].back(), "PDFの失敗理由");
    EXPECT_EQ(rows[1][1], "6860.00") << "the project succeeded";
    EXPECT_EQ(rows[1][8], (projects.Out() / ("a" + kWorkbookSuffix)).string());
    EXPECT_EQ(rows[1][10], "") << "nothing refused";
    EXPECT_THAT(rows[1][11].get<std::string>(), StartsWith("PDFファイルを作成できませんでした"));
    EXPECT_EQ(rows[2][11], "");
}

// Projects are taken from every folder that can be read, and every folder
// that cannot is named. Permissions hold only for a user other than root.
TEST(CalcFiles, AnUnreadableSubfolderIsNamedAndTheListingGoesOn) {
    const Projects projects("unreadable-subfolder");
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h"}) {
        projects.Add(std::string(name) + "/" + name + ".nbr", "one-block.nbr");
    }
    const auto locked = projects.Root() / "e";
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    const std::string asUser =
        ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
    const auto run =
        RunCli("calc " + Quoted(projects.Root()) + " --recursive --no-workbook", asUser);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 9u) << run.out << run.err;
    const std::string root = projects.RootText();
    for (std::size_t i = 0; i < 8; ++i) {
        const std::string name(1, static_cast<char>('a' + i));
        if (name == "e") {
            EXPECT_EQ(lines[i], root + "/e\t拒否: フォルダ「" + root +
                                    "/e」を読めません: アクセス権がありません");
        } else {
            EXPECT_THAT(lines[i], StartsWith(root + "/" + name + "/" + name + ".nbr\tEm 6860.00"));
        }
    }
    EXPECT_EQ(lines[8], "成功 7 件、拒否 1 件");
}

// A named pipe used to block the run for ever, waiting for a writer.
TEST(CalcFiles, ANamedPipeIsRefusedByNameAndNothingWaitsForIt) {
    const Projects projects("named-pipe");
    projects.Add("a.nbr", "one-block.nbr");
    const auto pipe = projects.Root() / "b.nbr";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string refusal = "ﾌｧｲﾙを読み込めません: " + pipe.string();

    auto run = RunCli("calc " + Quoted(projects.Root()) + " --no-workbook", "timeout 60");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(Lines(run.out),
                ElementsAre(StartsWith(projects.RootText() + "/a.nbr\tEm "),
                            pipe.string() + "\t拒否: " + refusal, "成功 1 件、拒否 1 件"));
    run = RunCli("calc " + Quoted(pipe) + " --no-workbook", "timeout 60");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, refusal + "\n");
}

TEST(CalcFiles, APathThatCannotBeReadTakesNoWorkbookName) {
    const Projects projects("missing-takes-no-name");
    const auto real = projects.Add("d2/same.nbr", "one-block.nbr");
    const auto missing = projects.Root() / "d1" / "same.nbr";
    const auto run =
        RunCli("calc " + Quoted(missing) + " " + Quoted(real) + projects.OutArgument());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(Lines(run.out),
                ElementsAre(missing.string() + "\t拒否: ﾌｧｲﾙを読み込めません: " + missing.string(),
                            StartsWith(real.string() + "\tEm 6860.00"), "成功 1 件、拒否 1 件"));
    EXPECT_THAT(FileNames(projects.Out()), ElementsAre("same" + kWorkbookSuffix));
}

// Names unpacked from an archive made on a Japanese desktop are code page
// 932; they are shown and recorded decoded, and a name that decodes in
// neither encoding shows replacement characters.
TEST(CalcFiles, AProjectNamedInCodePage932IsComputedUnderItsDecodedName) {
    const Projects projects("cp932-name");
    const auto cp932 = projects.Add("\x83\x65\x83\x58\x83\x67.nbr", "one-block.nbr");  // テスト
    projects.Add("\xFF\xFE.nbr", "one-block.nbr");
    const std::string root = projects.RootText();
    auto run = RunCli("calc " + Quoted(projects.Root()) + projects.OutArgument());
    EXPECT_EQ(run.exitCode, 0) << run.out;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_THAT(lines[0], StartsWith(root + "/テスト.nbr\tEm 6860.00"));
    EXPECT_THAT(lines[1], StartsWith(root + "/\uFFFD\uFFFD.nbr\tEm 6860.00"));
    EXPECT_THAT(FileNames(projects.Out()),
                ElementsAre("テスト" + kWorkbookSuffix, "\uFFFD\uFFFD" + kWorkbookSuffix));

    // The single run records the decoded name in the workbook's title block.
    const auto single = projects.Out() / "single";
    std::filesystem::create_directory(single);
    run = RunCli("calc " + Quoted(cp932) + " --out " + Quoted(single));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string parts;
    ASSERT_EQ(RunCommand("/usr/bin/python3 -c 'import sys, zipfile, glob\n"
                         "book = zipfile.ZipFile(glob.glob(sys.argv[1] + \"/*.xlsx\")[0])\n"
                         "for name in book.namelist(): print(book.read(name).decode())' " +
                             Quoted(single),
                         &parts),
              0);
    EXPECT_THAT(parts, HasSubstr("テスト.nbr"));
}

TEST(CalcFiles, ALineBreakInAProjectsNameKeepsItsSummaryOnOneLine) {
    const Projects projects("line-break-name");
    projects.Add("two\nlines.nbr", "one-block.nbr");
    const auto run = RunCli("calc " + Quoted(projects.Root()) + projects.OutArgument());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_THAT(lines[0], StartsWith(projects.RootText() + "/two\\nlines.nbr\tEm 6860.00"));
    EXPECT_THAT(lines[0],
                HasSubstr("\t" + projects.Out().string() + "/two\\nlines" + kWorkbookSuffix));
}

TEST(CalcFiles, ResultsThatCannotBePrintedAreAFailure) {
    const Projects projects("stdout-full");
    const auto project = projects.Add("a.nbr", "one-block.nbr");
    for (const std::string& more : {std::string(), " " + Quoted(project)}) {
        std::string err;
        const int status = RunCommand("'" NUBERA_BINARY_DIR "/bin/nubera-cli' calc " +
                                          Quoted(project) + more + " --no-workbook 2>&1 >/dev/full",
                                      &err);
        EXPECT_EQ(status, 1) << more;
        EXPECT_EQ(err, "結果を標準出力に書き出せませんでした\n") << more;
    }
}

// A folder whose lock fails (a network share without its lock service)
// used to leave a thousand empty hidden files per run.
TEST(CalcFiles, AFolderWithoutLocksIsReportedOnceAndLeftEmpty) {
    const Projects projects("no-locks");
    const auto project = projects.Add("a.nbr", "one-block.nbr");
    auto run = RunCli("calc " + Quoted(project) + projects.OutArgument(), WithFault("no-locks"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "計算結果ファイルを作成できませんでした: フォルダ「" +
                           projects.Out().string() +
                           "」にファイルを作成できません: "
                           "ファイルをロックできません（ロックに対応していない場所です）\n");
    EXPECT_TRUE(FileNames(projects.Out()).empty());

    run = RunCli("calc " + Quoted(projects.Root()) + projects.OutArgument(), WithFault("no-locks"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(FileNames(projects.Out()).empty());
}

// After a success is reported a power cut must not lose the workbook's
// name; a folder that cannot be made durable is a failure that keeps nothing.
TEST(CalcFiles, ASingleRunMakesItsWorkbooksNameDurable) {
    const Projects projects("folder-sync");
    const auto project = projects.Add("a.nbr", "one-block.nbr");
    const auto run =
        RunCli("calc " + Quoted(project) + projects.OutArgument(), WithFault("folder-sync"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "計算結果ファイルを作成できませんでした: フォルダ「" +
                           projects.Out().string() +
                           "」をディスクに書き込めません: ディスクの読み書きに失敗しました\n");
    EXPECT_TRUE(FileNames(projects.Out()).empty());
}

// The CSV summary is written as the projects are reported, piece by piece:
// a long one reads back whole and in order, and one the system refuses is
// told, with no file under its name and nothing left behind.
TEST(CalcFiles, TheCsvSummaryIsWholeOrNotThere) {
    const Projects projects("csv-long");
    constexpr int kCount = 700;
    const auto nameOf = [](int i) {
        return "a-project-with-a-rather-long-name-" + std::to_string(1000 + i) + ".nbr";
    };
    for (int i = 0; i < kCount; ++i) projects.Add(nameOf(i), "one-block.nbr");
    const auto csv = projects.Out() / "summary.csv";
    const std::string call = "'" NUBERA_BINARY_DIR "/bin/nubera-cli' calc " +
                             Quoted(projects.Root()) + " --no-workbook --csv " + Quoted(csv) +
                             " 2>&1 >/dev/null";
    std::string err;
    ASSERT_EQ(RunCommand(call, &err), 0) << err;
    EXPECT_GT(std::filesystem::file_size(csv), 64u * 1024) << "more than one piece";
    const json rows = CsvRows(csv);
    ASSERT_EQ(rows.size(), kCount + 1u);
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(rows[i + 1][0], projects.RootText() + "/" + nameOf(i));
        EXPECT_EQ(rows[i + 1][1], "6860.00");
    }

    // A file-size limit of 16 KiB (the shell counts blocks of 512 bytes).
    std::filesystem::remove(csv);
    EXPECT_EQ(RunCommand("ulimit -f 32; " + call, &err), 1);
    EXPECT_EQ(err, "「" + csv.string() + "」を保存できません: ファイルサイズの上限を超えました\n");
    EXPECT_TRUE(FileNames(projects.Out()).empty()) << "no summary and no pending file";
}

// A loop of symbolic links at the template's name used to end the program
// with a library's English message.
TEST(CalcFiles, ATemplateNameThatLoopsIsReported) {
    const Projects projects("template-loop");
    const auto project = projects.Add("a.nbr", "one-block.nbr");
    const auto tool = projects.Out() / "tool";
    std::filesystem::create_directory(tool);
    std::filesystem::copy_file(NUBERA_BINARY_DIR "/bin/nubera-cli", tool / "nubera-cli");
    std::filesystem::create_symlink(kResultStem + ".xltx", tool / (kResultStem + ".xltx"));
    std::string err;
    const int status = RunCommand("'" + (tool / "nubera-cli").string() + "' calc " +
                                      Quoted(project) + projects.OutArgument() + " 2>&1",
                                  &err);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err, "雛形ファイル「" + (tool / (kResultStem + ".xltx")).string() +
                       "」を開けません: シンボリックリンクが循環しています\n");
}

}  // namespace
}  // namespace nubera
