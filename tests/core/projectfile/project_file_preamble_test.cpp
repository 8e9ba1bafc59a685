#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "projectfile/project_file.h"
#include "tests/cli/run_cli.h"
#include "tests/core/project_file_test_support.h"
#include "tests/core/scratch_folder.h"

namespace nubera::test {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(NUBERA_SOURCE_DIR) / "examples";

// A project loaded from a file as the main window takes it, Poisson's ratio
// included, so that saving it writes what the file holds.
ProjectData LoadedFrom(const std::filesystem::path& path) {
    std::string error;
    const auto loaded = LoadProject(path, &error);
    EXPECT_TRUE(loaded) << path << ": " << error;
    ProjectData project;
    if (!loaded) return project;
    ApplyLoadedProject(*loaded, project);
    if (project.alsoLateral) project.poissonRatio = std::stod(loaded->poissonText);
    return project;
}

ProjectDescription FullDescription() {
    return {.title = "○○川堤防開削 仮設検討",
            .section = "No.12+5.0",
            .designer = "設計 一郎",
            .checker = "照査 二郎",
            .approver = "承認 三郎",
            .revision = "B",
            .notes = "一行目\n二行目は C:\\データ\\ を参照"};
}

class ProjectFilePreamble : public ::testing::Test {
  protected:
    ScratchFolder folder_;
};

// Files without descriptive fields are written as before: the examples whose
// cells are all numbers byte for byte; those with manual points, whose texts
// ("-6.00") the format reads back as numbers ("-6"), as the same project.
TEST_F(ProjectFilePreamble, TheExamplesLoadAndSaveAsBefore) {
    for (const auto& example : {"one-block.nbr", "five-blocks-lateral.nbr"}) {
        const auto path = folder_ / example;
        ASSERT_TRUE(SaveProject(LoadedFrom(kExamples / example), path, nullptr));
        EXPECT_EQ(ReadBytes(path), ReadBytes(kExamples / example)) << example;
    }
    const std::string header = ProjectFileBytes({ProjectHeaderLine(), "[開削幅]"});
    for (const auto& example : {"four-blocks-manual-lateral.nbr", "manual-points.nbr"}) {
        const auto path = folder_ / example;
        const ProjectData project = LoadedFrom(kExamples / example);
        ASSERT_TRUE(SaveProject(project, path, nullptr));
        EXPECT_EQ(ReadBytes(path).substr(0, header.size()), header) << example;
        EXPECT_EQ(LoadedFrom(path), project) << example;
    }
}

TEST_F(ProjectFilePreamble, FieldsGoBetweenTheHeaderAndTheFirstSectionAndReadBack) {
    ProjectData project = LoadedFrom(OneBlockExample());
    project.description = FullDescription();
    project.description.section.clear();  // an empty field writes no line
    const auto path = folder_ / "described.nbr";
    std::string error;
    ASSERT_TRUE(SaveProject(project, path, &error)) << error;

    const std::string example = ReadBytes(OneBlockExample());
    const std::string header = ProjectFileBytes({ProjectHeaderLine()});
    const std::string lines = ProjectFileBytes({"件名=○○川堤防開削 仮設検討", "設計者=設計 一郎",
                                                "照査者=照査 二郎", "承認者=承認 三郎", "版=B",
                                                "備考=一行目\\n二行目は C:\\\\データ\\\\ を参照"});
    EXPECT_EQ(ReadBytes(path), header + lines + example.substr(header.size()));

    EXPECT_EQ(LoadedFrom(path), project);
}

TEST_F(ProjectFilePreamble, UnknownKeysAndPlainLinesAreSkipped) {
    const auto path = folder_.Write(
        "others.nbr",
        ProjectFileBytes({ProjectHeaderLine(), "ボーリング=No.1,GL-0.00", "件名=旧",
                          "a line someone added", "件名=新", "[処理Mode]", "0", "!END"}));
    const auto loaded = LoadProject(path, nullptr);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->description.title, "新");
    EXPECT_EQ(loaded->description.designer, "");
}

// A value line after "!END" still belongs to the closed section, as the
// format has it: only lines before the first section are descriptive.
TEST_F(ProjectFilePreamble, OnlyLinesBeforeTheFirstSectionAreDescriptive) {
    const auto path =
        folder_.Write("late.nbr", ProjectFileBytes({ProjectHeaderLine(), "[開削幅]", "10", "!END",
                                                    "件名=後ろ", "[処理Mode]", "0", "!END"}));
    const auto loaded = LoadProject(path, nullptr);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->description.title, "");
    EXPECT_EQ(loaded->excavationWidth, 0) << "the line is the width section's, read as 0";
}

TEST_F(ProjectFilePreamble, RefusesTooManyLinesAndFieldsTheEntryWouldRefuse) {
    std::string bytes = ProjectFileBytes({ProjectHeaderLine()});
    for (int i = 0; i < 1000; ++i) bytes += ProjectFileBytes({"メモ=" + std::to_string(i)});
    const std::string end = ProjectFileBytes({"[処理Mode]", "0", "!END"});
    EXPECT_TRUE(LoadProject(folder_.Write("1000.nbr", bytes + end), nullptr));
    bytes += ProjectFileBytes({"メモ=1000"});
    std::string error;
    EXPECT_FALSE(LoadProject(folder_.Write("1001.nbr", bytes + end), &error));
    EXPECT_EQ(error, kProjectFileBroken);

    for (const std::string& line : {"件名=" + std::string(101, 'x'), std::string("版=a\tb\x01")}) {
        EXPECT_FALSE(LoadProject(
            folder_.Write("bad.nbr", ProjectFileBytes({ProjectHeaderLine(), line}) + end), nullptr))
            << line;
    }
}

TEST_F(ProjectFilePreamble, ASaveTheFileCannotHoldIsRefusedAndChangesNothing) {
    const auto path = folder_.Write("kept.nbr", "previous");
    ProjectData project = LoadedFrom(OneBlockExample());
    project.description.checker = "𠮷田";
    std::string error;
    EXPECT_FALSE(SaveProject(project, path, &error));
    EXPECT_NE(error.find("照査者の「𠮷」は"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(path), "previous");
}

// A reader that follows the format's original rules, written independently in
// Python, reads a file with every field exactly as the same file without them.
TEST_F(ProjectFilePreamble, AReaderOfTheOriginalRulesReadsAFileWithFields) {
    const auto example = kExamples / "five-blocks-lateral.nbr";
    ProjectData project = LoadedFrom(example);
    project.description = FullDescription();
    const auto described = folder_ / "described.nbr";
    ASSERT_TRUE(SaveProject(project, described, nullptr));

    auto readByOriginalRules = [](const std::filesystem::path& path) {
        std::string out;
        const int status = RunCommand("/usr/bin/python3 '" NUBERA_SOURCE_DIR
                                      "/tests/core/projectfile/original_rules_reader.py' '" +
                                          path.string() + "' '" + ProjectHeaderLine() + "' 2>&1",
                                      &out);
        EXPECT_EQ(status, 0) << path << ": " << out;
        return out;
    };
    const std::string plain = readByOriginalRules(example);
    EXPECT_NE(plain.find("\"[盛土荷重]\""), std::string::npos) << plain;
    EXPECT_EQ(readByOriginalRules(described), plain);
}

}  // namespace
}  // namespace nubera::test
