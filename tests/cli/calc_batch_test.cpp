// Many projects in one call: what each gets, what a refusal leaves alone,
// and the summaries a script or a spreadsheet reads back.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/batch_projects.h"
#include "tests/cli/run_cli.h"

namespace nubera {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

using json = nlohmann::ordered_json;
using test::AllWorkbooksWhole;
using test::CsvRows;
using test::FileNames;
using test::JsonLines;
using test::kWorkbookSuffix;
using test::Lines;
using test::Projects;
using test::Quoted;
using test::ReadAll;
using test::RunCli;
using test::RunCommand;
using test::WithFault;

ino_t Inode(const std::filesystem::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_ino;
}

TEST(CalcBatch, ARefusedProjectInTheMiddleLeavesTheOthersWhole) {
    const Projects projects("refused-middle");
    projects.Add("a.nbr", "one-block.nbr");
    projects.AddRefused("b.nbr");
    projects.Add("c.nbr", "five-blocks-lateral.nbr");
    const auto run = RunCli("calc " + Quoted(projects.Root()) + projects.OutArgument());

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "") << "no progress line when stderr is not a terminal";
    const std::string root = projects.RootText();
    const std::string out = projects.Out().string();
    EXPECT_THAT(Lines(run.out),
                ElementsAre(root +
                                "/a.nbr\tEm 6860.00 kN/m2\t最大沈下量 1.13 cm ⑥ x=0.00 m\t"
                                "最大側方変位量 -\t" +
                                out + "/a" + kWorkbookSuffix,
                            root + "/b.nbr\t拒否: ファイル形式、もしくはバージョンが違います",
                            root +
                                "/c.nbr\tEm 7304.46 kN/m2\t最大沈下量 16.55 cm ⑥ x=0.00 m\t"
                                "最大側方変位量 2.52 cm ② x=-12.60 m\t" +
                                out + "/c" + kWorkbookSuffix,
                            "成功 2 件、拒否 1 件"));
    EXPECT_THAT(FileNames(projects.Out()),
                ElementsAre("a" + kWorkbookSuffix, "c" + kWorkbookSuffix))
        << "no workbook for the refused project and no pending file left";
    EXPECT_TRUE(AllWorkbooksWhole(projects.Out()));
}

TEST(CalcBatch, FoldersGiveTheirProjectFilesSortedAndRecursiveTheirSubfolders) {
    const Projects projects("folders");
    const auto top = projects.Add("x.nbr", "one-block.nbr");
    projects.Add("sub/y.nbr", "one-block.nbr");
    projects.Add("sub/deeper/z.nbr", "one-block.nbr");
    projects.Add("notes.txt", "one-block.nbr");
    const auto projectsOf = [](const std::string& output) {
        std::vector<std::string> names;
        for (const json& line : JsonLines(output)) {
            if (line.contains("project")) names.push_back(line["project"]);
        }
        return names;
    };
    const std::string root = projects.RootText();

    // The file given again beside its folder is calculated once.
    auto run = RunCli("calc " + Quoted(projects.Root()) + " " + Quoted(top) +
                      " --json --no-workbook --jobs 3");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(projectsOf(run.out), ElementsAre(root + "/x.nbr"));

    run = RunCli("calc " + Quoted(projects.Root()) + " --recursive --json --no-workbook");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(projectsOf(run.out),
                ElementsAre(root + "/sub/deeper/z.nbr", root + "/sub/y.nbr", root + "/x.nbr"));

    std::filesystem::create_directories(projects.Out() / "empty");
    run = RunCli("calc " + Quoted(projects.Out() / "empty") + " --no-workbook");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr("プロジェクトファイル（*.nbr）が見つかりません"));
}

TEST(CalcBatch, AWorkbookNameThatIsTakenIsRefusedUnlessReplacing) {
    const Projects projects("names");
    const auto first = projects.Add("d1/same.nbr", "one-block.nbr");
    const auto second = projects.Add("d2/same.nbr", "manual-points.nbr");
    const auto workbook = projects.Out() / ("same" + kWorkbookSuffix);

    // Two projects of one name: the later one is refused, naming both.
    auto run = RunCli("calc " + Quoted(projects.Root() / "d2") + " " +
                      Quoted(projects.Root() / "d1") + projects.OutArgument());
    EXPECT_EQ(run.exitCode, 1);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_THAT(lines[0], StartsWith(first.string() + "\tEm 6860.00"));
    EXPECT_THAT(lines[1], StartsWith(second.string() + "\t拒否: "));
    EXPECT_THAT(lines[1], HasSubstr(first.string()));
    EXPECT_THAT(lines[1], HasSubstr(workbook.string()));

    // A name already there is left as it is.
    const std::string before = ReadAll(workbook);
    const ino_t inode = Inode(workbook);
    run = RunCli("calc " + Quoted(first) + " " + Quoted(projects.Root() / "d1") +
                 projects.OutArgument());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.out,
                HasSubstr("「" + workbook.string() + "」は既にあります（上書きしません）"));
    EXPECT_EQ(ReadAll(workbook), before);
    EXPECT_EQ(Inode(workbook), inode);

    // --replace puts a new file in its place in one step.
    run = RunCli("calc " + Quoted(projects.Root() / "d1") + " --replace" + projects.OutArgument());
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(Inode(workbook), inode);
    EXPECT_THAT(FileNames(projects.Out()), ElementsAre("same" + kWorkbookSuffix));
    EXPECT_TRUE(AllWorkbooksWhole(projects.Out()));

    // Beside their projects the two names do not meet.
    run = RunCli("calc " + Quoted(projects.Root() / "d1") + " " + Quoted(projects.Root() / "d2") +
                 " --beside");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(std::filesystem::exists(first.parent_path() / ("same" + kWorkbookSuffix)));
    EXPECT_TRUE(std::filesystem::exists(second.parent_path() / ("same" + kWorkbookSuffix)));
}

TEST(CalcBatch, TheCsvSummaryReadsBackWithItsByteOrderMark) {
    const Projects projects("csv");
    projects.Add("a, \"quoted\".nbr", "one-block.nbr");
    projects.AddRefused("b.nbr");
    projects.Add("c.nbr", "five-blocks-lateral.nbr");
    const auto csv = projects.Out() / "summary.csv";
    const auto run =
        RunCli("calc " + Quoted(projects.Root()) + " --no-workbook --csv " + Quoted(csv));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(ReadAll(csv), StartsWith("\xEF\xBB\xBF"));

    const json rows = CsvRows(csv);
    ASSERT_EQ(rows.size(), 4u) << rows;
    EXPECT_EQ(rows[0][0], "プロジェクト");
    EXPECT_EQ(rows[0].size(), 12u);
    const std::string root = projects.RootText();
    EXPECT_EQ(rows[1], json({root + "/a, \"quoted\".nbr", "6860.00", "1.13", "⑥", "0.00", "", "",
                             "", "", "", "", ""}));
    EXPECT_EQ(rows[2], json({root + "/b.nbr", "", "", "", "", "", "", "", "", "",
                             "ファイル形式、もしくはバージョンが違います", ""}));
    EXPECT_EQ(rows[3], json({root + "/c.nbr", "7304.46", "16.55", "⑥", "0.00", "2.52", "②",
                             "-12.60", "", "", "", ""}));
}

// A spreadsheet program would take these names for formulas: each text field
// that starts like one gets an apostrophe; numbers, negative ones too, stay.
TEST(CalcBatch, CsvTextFieldsThatStartLikeFormulasAreKeptAsText) {
    const Projects projects("csv-formulas");
    const std::vector<std::string> names{"=1+2.nbr", "+a.nbr", "@b.nbr", "\tc.nbr", "\rd.nbr"};
    std::string given;
    for (const std::string& name : names) {
        projects.Add(name, "five-blocks-lateral.nbr");
        given += " " + Quoted(name);
    }
    const auto csv = projects.Out() / "summary.csv";
    const auto run = RunCli("calc" + given + " --no-workbook --csv " + Quoted(csv),
                            "cd " + Quoted(projects.Root()) + " &&");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json rows = CsvRows(csv);
    ASSERT_EQ(rows.size(), names.size() + 1) << rows;
    std::vector<std::string> written;
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < names.size(); ++i) {
        written.push_back(rows[i + 1][0]);
        expected.push_back("'" + names[i]);
        EXPECT_EQ(rows[i + 1][7], "-12.60");
    }
    std::ranges::sort(written);
    std::ranges::sort(expected);
    EXPECT_EQ(written, expected);
}

// Far more projects than a batch holds at once: each summary line, CSV row
// and workbook still belongs to its own project, in order.
TEST(CalcBatch, ManyMoreProjectsThanAreHeldAtOnceEachKeepTheirOwnResults) {
    const Projects projects("many");
    constexpr int kCount = 90;
    std::vector<std::string> names;
    std::vector<std::string> workbooks;
    for (int i = 0; i < kCount; ++i) {
        const std::string stem = (i < 10 ? "p0" : "p") + std::to_string(i);
        names.push_back(stem);
        if (i % 7 == 3) {
            projects.AddRefused(stem + ".nbr");
        } else {
            projects.Add(stem + ".nbr", i % 2 == 0 ? "one-block.nbr" : "five-blocks-lateral.nbr");
            workbooks.push_back(stem + kWorkbookSuffix);
        }
    }
    const auto csv = projects.Out().parent_path() / "summary.csv";
    // A slow disk: the workers get as far ahead as they may while each file
    // waits for its name.
    const auto run = RunCli("calc " + Quoted(projects.Root()) + " --jobs 3 --csv " + Quoted(csv) +
                                projects.OutArgument(),
                            WithFault("slow-sync"));
    EXPECT_EQ(run.exitCode, 1);
    const auto lines = Lines(run.out);
    const json rows = CsvRows(csv);
    ASSERT_EQ(lines.size(), kCount + 1u) << run.out;
    ASSERT_EQ(rows.size(), kCount + 1u) << rows;
    for (int i = 0; i < kCount; ++i) {
        SCOPED_TRACE(names[i]);
        const std::string project = projects.RootText() + "/" + names[i] + ".nbr";
        const std::string workbook = (projects.Out() / (names[i] + kWorkbookSuffix)).string();
        const json& row = rows[i + 1];
        EXPECT_EQ(row[0], project);
        if (i % 7 == 3) {
            EXPECT_EQ(lines[i], project + "\t拒否: ファイル形式、もしくはバージョンが違います");
            EXPECT_EQ(row[8], "");
            continue;
        }
        const std::string em = i % 2 == 0 ? "6860.00" : "7304.46";
        EXPECT_THAT(lines[i], StartsWith(project + "\tEm " + em + " kN/m2\t"));
        EXPECT_THAT(lines[i], ::testing::EndsWith("\t" + workbook));
        EXPECT_EQ(row[1], em);
        EXPECT_EQ(row[8], workbook);
    }
    EXPECT_EQ(lines.back(), "成功 77 件、拒否 13 件");
    EXPECT_EQ(FileNames(projects.Out()), workbooks) << "no pending file left";
}

// The example of the help: --out and --csv into a folder that is not there yet.
TEST(CalcBatch, MissingOutAndCsvFoldersAreMadeAndAFolderThatCannotBeIsNamed) {
    const Projects projects("made-folders");
    projects.Add("a.nbr", "one-block.nbr");
    const auto results = projects.Out() / "results" / "today";
    const auto csv = projects.Out() / "summaries" / "summary.csv";
    auto run = RunCli("calc " + Quoted(projects.Root()) + " --out " + Quoted(results) + " --csv " +
                      Quoted(csv));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(results / ("a" + kWorkbookSuffix)));
    EXPECT_TRUE(std::filesystem::is_regular_file(csv));

    // Below a plain file no folder can be made, not even by an administrator.
    std::ofstream(projects.Out() / "plain") << "x";
    const auto impossible = projects.Out() / "plain" / "results";
    for (const std::string& where :
         {" --out " + Quoted(impossible), " --csv " + Quoted(impossible / "summary.csv")}) {
        run = RunCli("calc " + Quoted(projects.Root()) + where);
        EXPECT_EQ(run.exitCode, 1) << where;
        EXPECT_THAT(run.err, HasSubstr(impossible.string() + "」を作成できません")) << where;
        EXPECT_EQ(run.out, "") << "no project ran";
    }
}

TEST(CalcBatch, JsonLinesAreTheSingleProjectObjectsWithTheirProject) {
    const Projects projects("json");
    const auto good = projects.Add("a.nbr", "five-blocks-lateral.nbr");
    const auto refused = projects.AddRefused("b.nbr");
    const auto run =
        RunCli("calc " + Quoted(good) + " " + Quoted(refused) + " --json" + projects.OutArgument());
    EXPECT_EQ(run.exitCode, 1);
    const std::vector<json> lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;

    json single = json::parse(RunCli("calc " + Quoted(good) + " --json --no-workbook").out);
    json batch = lines[0];
    EXPECT_EQ(batch.begin().key(), "project");
    EXPECT_EQ(batch["project"], good.string());
    EXPECT_EQ(batch["workbook"], (projects.Out() / ("a" + kWorkbookSuffix)).string());
    batch.erase("project");
    batch["workbook"] = nullptr;
    EXPECT_EQ(batch, single);

    EXPECT_EQ(lines[1], json({{"project", refused.string()},
                              {"error", "ファイル形式、もしくはバージョンが違います"}}));
    EXPECT_EQ(lines[2], json({{"succeeded", 1}, {"refused", 1}}));
}

// Projects as the screens could have made them, layers of thickness 0 among
// them, all compute: none is refused for its depths or its derived values.
TEST(CalcBatch, GeneratedValidProjectsAllCompute) {
    const auto folder = test::FreshFolder("generated");
    std::string printed;
    ASSERT_EQ(RunCommand("'" NUBERA_BINARY_DIR "/bin/make_projects' " + Quoted(folder) + " 300 30",
                         &printed),
              0);
    int withZeroLayers = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        withZeroLayers += test::ReadAll(entry.path()).find("\r\n0,") != std::string::npos;
    EXPECT_GT(withZeroLayers, 50) << "layers of thickness 0 are made";

    const auto run = RunCli("calc " + Quoted(folder) + " --json --no-workbook");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    const std::vector<json> lines = JsonLines(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), json({{"succeeded", 300}, {"refused", 0}}));
}

TEST(CalcBatch, OneProjectFileRunsAsItAlwaysDid) {
    const Projects projects("single");
    const auto project = projects.Add("a.nbr", "one-block.nbr");
    auto run = RunCli("calc " + Quoted(project) + projects.OutArgument());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, StartsWith("換算変形係数 Em: 6860.00 kN/m2\n"));
    EXPECT_THAT(run.out, Not(HasSubstr("件")));
    const auto names = FileNames(projects.Out());
    ASSERT_EQ(names.size(), 1u);
    EXPECT_THAT(names[0], ::testing::MatchesRegex("即時沈下量計算結果[0-9]{8}00\\.xlsx"));

    run = RunCli("calc " + Quoted(projects.AddRefused("b.nbr")) + projects.OutArgument());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "ファイル形式、もしくはバージョンが違います\n");
}

TEST(CalcBatch, OnATerminalAProgressLineShowsAndIsClearedAtTheEnd) {
    const Projects projects("progress");
    projects.Add("a.nbr", "one-block.nbr");
    projects.Add("b.nbr", "one-block.nbr");
    // `script` gives the run a terminal; its summary goes elsewhere, so
    // what reaches the terminal is the progress line alone.
    std::string terminal;
    ASSERT_EQ(RunCommand("script -qec \"'" NUBERA_BINARY_DIR "/bin/nubera-cli' calc " +
                             Quoted(projects.Root()) + " --no-workbook >/dev/null\" /dev/null",
                         &terminal),
              0);
    EXPECT_THAT(terminal, HasSubstr("計算中 2 / 2  経過 0:00  終了見込み "));
    EXPECT_THAT(terminal, ::testing::EndsWith("\r\x1b[K"));
}

TEST(CalcBatch, ContradictoryOptionsAreUsageErrors) {
    const Projects projects("usage");
    const std::string folder = " " + Quoted(projects.Root());
    for (const std::string& options :
         {projects.OutArgument() + " --beside", std::string(" --jobs 0"),
          std::string(" --no-workbook --replace"), std::string(" --no-workbook --beside")}) {
        EXPECT_EQ(RunCli("calc" + folder + options).exitCode, 2) << options;
    }
}

}  // namespace
}  // namespace nubera
