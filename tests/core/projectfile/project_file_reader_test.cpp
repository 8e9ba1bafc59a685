#include <gtest/gtest.h>

#include <string>

#include "projectfile/project_file.h"
#include "tests/core/one_block_project.h"
#include "tests/core/project_file_test_support.h"
#include "tests/core/scratch_folder.h"

namespace nubera {
namespace {

using test::ProjectFileBytes;
using test::ScratchFolder;

class ProjectFileReader : public ::testing::Test {
  protected:
    std::optional<LoadedProject> Load(std::initializer_list<std::string_view> lines) {
        return LoadBytes(ProjectFileBytes(lines));
    }
    std::optional<LoadedProject> LoadBytes(std::string_view bytes) {
        error_.clear();
        return LoadProject(folder_.Write("project.nbr", bytes), &error_);
    }

    ScratchFolder folder_;
    std::string error_;
};

TEST_F(ProjectFileReader, ReadsTheOneBlockExample) {
    const auto loaded = LoadProject(test::OneBlockExample(), nullptr);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->excavationWidth, 10);
    EXPECT_EQ(loaded->leveeWidth, 20);
    ASSERT_TRUE(loaded->soilLayers);
    EXPECT_EQ(loaded->soilLayers->RowCount(), 1u);
    EXPECT_EQ(loaded->soilLayers->At(soil_column::kModulus, 0), Cell::Number(6860));
    ASSERT_TRUE(loaded->fillLoads);
    EXPECT_EQ(loaded->fillLoads->At(fill_column::kExtraHeight, 0), Cell::Number(0.5));
    EXPECT_EQ(loaded->fillLoads->At(fill_column::kCentreOffset, 0), Cell::Number(0));
    EXPECT_FALSE(loaded->surcharge);
    EXPECT_FALSE(loaded->focusPoints);
    EXPECT_FALSE(loaded->manualPointsLoaded);
    EXPECT_FALSE(loaded->alsoLateral);
    EXPECT_EQ(loaded->poissonText, "");
}

// Every way a file's content can be refused, each with the one message.
TEST_F(ProjectFileReader, RefusesBrokenContentWithItsMessage) {
    const std::string header = ProjectHeaderLine();
    const std::string longLine(64 * 1024 + 1, '1');
    struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"section opened before the previous one was closed",
         ProjectFileBytes(
             {header, "[開削幅]", "10", "[堤体幅]", "20", "!END", "[処理Mode]", "0", "!END"})},
        {"two section lines in a row",
         ProjectFileBytes({header, "[土質条件]", "[盛土荷重]", "!END", "[処理Mode]", "0", "!END"})},
        {"mode 2", ProjectFileBytes({header, "[処理Mode]", "2", "!END"})},
        {"mode with a blank", ProjectFileBytes({header, "[処理Mode]", "0 ", "!END"})},
        {"empty mode line", ProjectFileBytes({header, "[処理Mode]", "", "!END"})},
        {"no mode section", ProjectFileBytes({header, "[開削幅]", "10", "!END"})},
        {"four soil values",
         ProjectFileBytes({header, "[土質条件]", "1,2,3,4", "!END", "[処理Mode]", "0", "!END"})},
        {"thirteen fill values",
         ProjectFileBytes({header, "[盛土荷重]", "1,2,3,4,5,6,7,8,9,10,11,12,13", "!END",
                           "[処理Mode]", "0", "!END"})},
        {"four surcharge values",
         ProjectFileBytes({header, "[上載荷重]", "1,2,3,", "!END", "[処理Mode]", "0", "!END"})},
        {"twelve points",
         ProjectFileBytes({header, "[着目点手動設定]", "1,2,3,4,5,6,7,8,9,10,11,NULL", "!END",
                           "[処理Mode]", "0", "!END"})},
        {"NUL byte", ProjectFileBytes({header, "[開削幅]", std::string("1\0", 2), "!END",
                                       "[処理Mode]", "0", "!END"})},
        {"not code page 932", ProjectFileBytes({header, "[処理Mode]", "0", "!END"}) + "\x80\r\n"},
        {"line longer than 64 KiB",
         ProjectFileBytes({header, "[開削幅]", longLine, "!END", "[処理Mode]", "0", "!END"})},
        {"number beyond a double",
         ProjectFileBytes({header, "[堤体幅]", "1E999", "!END", "[処理Mode]", "0", "!END"})},
        {"Poisson text beyond a double",
         ProjectFileBytes({header, "[処理Mode]", "1", "!END", "[ﾎﾟｱｿﾝ比]", "-1e400", "!END"})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadBytes(c.bytes), std::nullopt) << c.name;
        EXPECT_EQ(error_, kProjectFileBroken) << c.name;
    }
}

TEST_F(ProjectFileReader, RefusesAFileThatCannotBeRead) {
    for (const auto& path : {folder_ / "missing.nbr", folder_.Path()}) {
        std::string error;
        EXPECT_EQ(LoadProject(path, &error), std::nullopt) << path;
        EXPECT_EQ(error, kProjectFileBroken) << path;
    }
}

TEST_F(ProjectFileReader, AcceptsALineOfExactly64KiB) {
    const std::string line = "7" + std::string(64 * 1024 - 1, ' ');
    const auto loaded =
        Load({ProjectHeaderLine(), "[開削幅]", line, "!END", "[処理Mode]", "0", "!END"});
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->excavationWidth, 7);
}

TEST_F(ProjectFileReader, RefusesTablesAndFilesBeyondTheirBounds) {
    std::string rows = ProjectFileBytes({ProjectHeaderLine(), "[盛土荷重]"});
    const std::string row = ProjectFileBytes({"1,0,1,18,18,0,1,2,1,3,2,0"});
    for (int i = 0; i < 999; ++i) rows += row;
    const std::string end = ProjectFileBytes({"!END", "[処理Mode]", "0", "!END"});
    const auto thousand = LoadBytes(rows + end);
    ASSERT_TRUE(thousand) << "999 rows and the !END line stay within the bound";
    EXPECT_EQ(thousand->fillLoads->RowCount(), 999u);

    EXPECT_FALSE(LoadBytes(rows + row + row + end)) << "row 1000 is beyond the bound";
    EXPECT_EQ(error_, kProjectFileBroken);

    // Blank lines outside any section cost nothing to read, but the file's
    // size alone refuses it.
    const std::string huge = ProjectFileBytes({ProjectHeaderLine(), "[処理Mode]", "0", "!END"}) +
                             std::string(8 * 1024 * 1024, '\n');
    EXPECT_FALSE(LoadBytes(huge));
    EXPECT_EQ(error_, kProjectFileBroken);
}

TEST_F(ProjectFileReader, SectionsWithoutValuesLeaveTheirTablesAbsent) {
    const auto loaded =
        Load({ProjectHeaderLine(), "[土質条件]", "!END", "[盛土荷重]", "!END", "[上載荷重]", "!END",
              "[着目点手動設定]", "!END", "[処理Mode]", "0", "!END"});
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(loaded->soilLayers);
    EXPECT_FALSE(loaded->fillLoads);
    EXPECT_FALSE(loaded->surcharge);
    EXPECT_FALSE(loaded->focusPoints);
    EXPECT_EQ(loaded->excavationWidth, 0);
    EXPECT_EQ(loaded->leveeWidth, 0);
}

TEST_F(ProjectFileReader, ReadsEveryValueByTheNumberPrefixRule) {
    const auto loaded =
        Load({ProjectHeaderLine(), "[開削幅]", "12.5m", "!END", "[堤体幅]", " - 3 . 25", "!END",
              "[上載荷重]", "abc,,1e1x", "!END", "[処理Mode]", "0", "!END"});
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->excavationWidth, 12.5);
    EXPECT_EQ(loaded->leveeWidth, -3.25);
    ASSERT_TRUE(loaded->surcharge);
    EXPECT_EQ(loaded->surcharge->At(surcharge_column::kLoad, 0), Cell::Number(0));
    EXPECT_EQ(loaded->surcharge->At(surcharge_column::kLoadingWidth, 0), Cell::Number(0));
    EXPECT_EQ(loaded->surcharge->At(surcharge_column::kCentreOffset, 0), Cell::Number(10));
}

TEST_F(ProjectFileReader, FewerValuesLeaveTheRestOfTheRowMissing) {
    const auto loaded = Load(
        {ProjectHeaderLine(), "[土質条件]", "1,1,100", "2", "!END", "[処理Mode]", "0", "!END"});
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->soilLayers->RowCount(), 2u);
    EXPECT_EQ(loaded->soilLayers->At(soil_column::kThickness, 1), Cell::Number(2));
    EXPECT_TRUE(loaded->soilLayers->At(soil_column::kDepth, 1).IsMissing());
    EXPECT_TRUE(loaded->soilLayers->At(soil_column::kModulus, 1).IsMissing());
}

// Every line counts towards the row number, "!END" included, so a value line
// after the section's "!END" lands one row further down.
TEST_F(ProjectFileReader, RowsFollowTheLineCountSinceTheSectionLine) {
    const auto loaded = Load({ProjectHeaderLine(), "[土質条件]", "1,1,100", "!END", "2,3,200",
                              "[処理Mode]", "0", "!END"});
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->soilLayers->RowCount(), 3u);
    EXPECT_TRUE(loaded->soilLayers->At(soil_column::kThickness, 1).IsMissing());
    EXPECT_EQ(loaded->soilLayers->At(soil_column::kModulus, 2), Cell::Number(200));
}

TEST_F(ProjectFileReader, ARepeatedSectionOverwritesFromRowZeroAndKeepsLaterRows) {
    const auto loaded =
        Load({ProjectHeaderLine(), "[土質条件]", "1,1,100", "2,3,200", "!END", "[土質条件]",
              "5,5,500", "!END", "[開削幅]", "4", "9", "!END", "[処理Mode]", "0", "!END"});
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->soilLayers->RowCount(), 2u);
    EXPECT_EQ(loaded->soilLayers->At(soil_column::kModulus, 0), Cell::Number(500));
    EXPECT_EQ(loaded->soilLayers->At(soil_column::kModulus, 1), Cell::Number(200));
    EXPECT_EQ(loaded->excavationWidth, 9);
}

TEST_F(ProjectFileReader, IgnoresValueLinesOutsideAnySection) {
    const auto loaded = Load({"stray", ProjectHeaderLine(), "1,2,3,4,5,6,7,8,9,10,11,12,13",
                              "[処理Mode]", "1", "!END", ProjectHeaderLine(), "[x]", "!END"});
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->alsoLateral);
}

// A slot reads "NULL" as an empty point; the list counts as absent unless
// the first slot holds a point.
TEST_F(ProjectFileReader, ReadsPointSlots) {
    const auto loaded = Load({ProjectHeaderLine(), "[着目点手動設定]", "-5.00,NULL,2.5", "!END",
                              "[処理Mode]", "0", "!END"});
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(loaded->focusPoints);
    EXPECT_TRUE(loaded->manualPointsLoaded);
    EXPECT_EQ((*loaded->focusPoints)[0], Cell::Number(-5));
    EXPECT_TRUE((*loaded->focusPoints)[1].IsMissing());
    EXPECT_EQ((*loaded->focusPoints)[2], Cell::Number(2.5));
    EXPECT_TRUE((*loaded->focusPoints)[10].IsMissing());

    const auto firstEmpty = Load(
        {ProjectHeaderLine(), "[着目点手動設定]", "NULL,1", "!END", "[処理Mode]", "0", "!END"});
    ASSERT_TRUE(firstEmpty);
    EXPECT_FALSE(firstEmpty->focusPoints);
    EXPECT_FALSE(firstEmpty->manualPointsLoaded);
}

// A Poisson text that is a number is shown in the "0.00" format, rounded half
// up; any other text is kept as the file has it, for the run's check to
// refuse; an absent section gives an empty text.
TEST_F(ProjectFileReader, FormatsThePoissonText) {
    struct {
        const char* kept;
        const char* shown;
    } cases[] = {{"0.3", "0.30"}, {"0.125", "0.13"},  {"1", "1.00"},   {" 3E-1", "0.30"},
                 {"abc", "abc"},  {"0.25x", "0.25x"}, {"0..3", "0..3"}};
    for (const auto& c : cases) {
        const auto loaded =
            Load({ProjectHeaderLine(), "[処理Mode]", "1", "!END", "[ﾎﾟｱｿﾝ比]", c.kept, "!END"});
        ASSERT_TRUE(loaded) << c.kept;
        EXPECT_EQ(loaded->poissonText, c.shown) << c.kept;
    }
    const auto withoutSection = Load({ProjectHeaderLine(), "[処理Mode]", "1", "!END"});
    ASSERT_TRUE(withoutSection);
    EXPECT_EQ(withoutSection->poissonText, "");
}

// Files that went through an editor of another system keep their meaning.
TEST_F(ProjectFileReader, ReadsLoneLineFeedsAndAMissingFinalEnding) {
    const auto bytes =
        Utf8ToCp932(ProjectHeaderLine() + "\n[開削幅]\n10\n!END\n[処理Mode]\r0\r!END");
    ASSERT_TRUE(bytes);
    const auto loaded = LoadBytes(*bytes);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->excavationWidth, 10);
}

TEST(ApplyLoadedProject, ReplacesTablesWidthsAndModeButNotPoissonRatio) {
    ProjectData project = test::OneBlockProject();
    project.surcharge = MakeSurchargeTable();
    project.focusPoints.emplace();
    project.poissonRatio = 0.25;

    LoadedProject loaded;
    loaded.excavationWidth = 3;
    loaded.soilLayers = MakeSoilLayerTable();
    loaded.soilLayers->ResizeRows(2);
    loaded.alsoLateral = true;
    loaded.poissonText = "0.40";
    ApplyLoadedProject(loaded, project);

    EXPECT_EQ(project.excavationWidth, 3);
    EXPECT_EQ(project.leveeWidth, 0);
    EXPECT_EQ(project.soilLayers, loaded.soilLayers);
    EXPECT_FALSE(project.fillLoads);
    EXPECT_FALSE(project.surcharge);
    EXPECT_FALSE(project.focusPoints);
    EXPECT_TRUE(project.alsoLateral);
    EXPECT_EQ(project.poissonRatio, 0.25);
}

// The header names the format, which outlives program versions: files of
// 1.0.0 and files of later programs carry the same one.
TEST(CheckProjectHeader, TheHeaderIsTheFormatsNotTheProgramsVersion) {
    EXPECT_EQ(ProjectHeaderLine(), "[ヌベラ100]");
    ScratchFolder folder;
    EXPECT_EQ(CheckProjectHeader(folder.Write("later.nbr", ProjectFileBytes({"[ヌベラ110]"}))),
              HeaderCheck::WrongHeader);
}

TEST(CheckProjectHeader, ComparesTheFirstFieldOfTheFirstLine) {
    ScratchFolder folder;
    const std::string header = ProjectHeaderLine();
    struct {
        const char* name;
        std::string bytes;
        HeaderCheck expected;
    } cases[] = {
        {"this version", ProjectFileBytes({header, "[開削幅]"}), HeaderCheck::Ok},
        {"blanks and more fields", ProjectFileBytes({" \t" + header + ",x"}), HeaderCheck::Ok},
        {"no line ending", ProjectFileBytes({}) + *Utf8ToCp932(header), HeaderCheck::Ok},
        {"another version", ProjectFileBytes({"[ヌベラ104]"}), HeaderCheck::WrongHeader},
        {"trailing blank", ProjectFileBytes({header + " "}), HeaderCheck::WrongHeader},
        {"written as UTF-8", header + "\r\n", HeaderCheck::WrongHeader},
        {"empty first line", ProjectFileBytes({"", header}), HeaderCheck::WrongHeader},
        {"empty file", "", HeaderCheck::Unreadable},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckProjectHeader(folder.Write("project.nbr", c.bytes)), c.expected) << c.name;
    }
    EXPECT_EQ(CheckProjectHeader(test::OneBlockExample()), HeaderCheck::Ok);
    EXPECT_EQ(CheckProjectHeader(folder / "missing.nbr"), HeaderCheck::Unreadable);
    EXPECT_EQ(CheckProjectHeader(folder.Path()), HeaderCheck::Unreadable);
}

}  // namespace
}  // namespace nubera
