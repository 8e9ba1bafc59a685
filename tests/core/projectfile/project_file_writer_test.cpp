#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "projectfile/project_file.h"
#include "tests/core/file_size_limit.h"
#include "tests/core/one_block_project.h"
#include "tests/core/project_file_test_support.h"
#include "tests/core/scratch_folder.h"

namespace nubera {
namespace {

using ::testing::HasSubstr;

using test::ProjectFileBytes;
using test::ReadBytes;
using test::ScratchFolder;

// What the reader gives back for a saved project: every cell read as a number.
ProjectData AsReadBack(ProjectData project) {
    auto numbers = [](CellTable& table) {
        for (std::size_t row = 0; row < table.RowCount(); ++row) {
            for (std::size_t column = 0; column < table.ColumnCount(); ++column) {
                Cell& cell = table.At(column, row);
                cell = Cell::Number(cell.AsNumber());
            }
        }
    };
    for (auto* table : {&project.soilLayers, &project.fillLoads, &project.surcharge}) {
        if (*table) numbers(**table);
    }
    if (project.focusPoints) {
        for (Cell& cell : *project.focusPoints) {
            if (!cell.IsMissing()) cell = Cell::Number(cell.AsNumber());
        }
    }
    project.poissonRatio = 0;
    return project;
}

class ProjectFileWriter : public ::testing::Test {
  protected:
    // Saves, loads and applies the result to an empty project.
    ProjectData RoundTrip(const ProjectData& project) {
        const auto path = folder_ / "round-trip.nbr";
        std::string error;
        EXPECT_TRUE(SaveProject(project, path, &error)) << error;
        const auto loaded = LoadProject(path, &error);
        EXPECT_TRUE(loaded) << error;
        ProjectData readBack;
        if (loaded) ApplyLoadedProject(*loaded, readBack);
        return readBack;
    }

    // The files in the scratch folder, to see that no temporary file stays.
    std::vector<std::string> FolderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchFolder folder_;
};

TEST_F(ProjectFileWriter, WritesTheOneBlockExampleByteForByte) {
    const auto path = folder_ / "one-block.nbr";
    ASSERT_TRUE(SaveProject(test::OneBlockProject(), path, nullptr));
    EXPECT_EQ(ReadBytes(path), ReadBytes(test::OneBlockExample()));
}

TEST_F(ProjectFileWriter, WritesBackTheOneBlockExampleAsRead) {
    const auto loaded = LoadProject(test::OneBlockExample(), nullptr);
    ASSERT_TRUE(loaded);
    ProjectData project;
    ApplyLoadedProject(*loaded, project);
    const auto path = folder_ / "again.nbr";
    ASSERT_TRUE(SaveProject(project, path, nullptr));
    EXPECT_EQ(ReadBytes(path), ReadBytes(test::OneBlockExample()));
}

// Texts unchanged, missing cells empty, empty slots "NULL", and the Poisson
// section only when lateral displacement is calculated.
TEST_F(ProjectFileWriter, WritesEveryKindOfCell) {
    ProjectData project;
    project.excavationWidth = 0.00001;
    project.leveeWidth = -3.25;
    project.surcharge = MakeSurchargeTable();
    project.surcharge->ResizeRows(1);
    project.surcharge->At(surcharge_column::kLoad, 0) = Cell::Number(12.5);
    project.surcharge->At(surcharge_column::kCentreOffset, 0) = Cell::Text("0");
    project.focusPoints.emplace();
    (*project.focusPoints)[0] = Cell::Text("-5.00");
    (*project.focusPoints)[1] = Cell::Number(1e15);
    project.alsoLateral = true;
    project.poissonRatio = 0.3;

    const auto path = folder_ / "cells.nbr";
    ASSERT_TRUE(SaveProject(project, path, nullptr));
    EXPECT_EQ(
        ReadBytes(path),
        ProjectFileBytes({ProjectHeaderLine(), "[開削幅]", "1E-05", "!END", "[堤体幅]", "-3.25",
                          "!END", "[上載荷重]", "12.5,,0", "!END", "[着目点手動設定]",
                          "-5.00,1E+15,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL", "!END",
                          "[処理Mode]", "1", "!END", "[ﾎﾟｱｿﾝ比]", "0.3", "!END"}));
}

// Missing table cells come back as 0 (written empty, the empty text reads as
// 0), texts as the numbers they stand for, empty point slots as empty slots.
TEST_F(ProjectFileWriter, RoundTripsAProjectWithManyRows) {
    ProjectData project = test::OneBlockProject();
    // As many rows as the reader takes from one table.
    project.soilLayers->ResizeRows(999);
    for (std::size_t row = 0; row < 999; ++row) {
        project.soilLayers->At(soil_column::kThickness, row) =
            Cell::Number(static_cast<double>(row) + 0.25);
        project.soilLayers->At(soil_column::kModulus, row) = Cell::Text(std::to_string(row));
    }
    project.fillLoads->ResizeRows(5);
    project.fillLoads->At(fill_column::kCentreOffset, 4) = Cell::Number(-12.34);
    project.surcharge = MakeSurchargeTable();
    project.surcharge->ResizeRows(1);
    project.surcharge->At(surcharge_column::kLoad, 0) = Cell::Number(10);
    project.focusPoints.emplace();
    (*project.focusPoints)[0] = Cell::Text("-5.00");
    (*project.focusPoints)[3] = Cell::Number(7.25);
    project.alsoLateral = true;
    project.poissonRatio = 0.35;

    EXPECT_EQ(RoundTrip(project), AsReadBack(project));
}

TEST_F(ProjectFileWriter, WritesTextCellsInCodePage932) {
    ProjectData project = test::OneBlockProject();
    project.fillLoads->At(fill_column::kCentreOffset, 0) = Cell::Text("～－∥①");
    const auto path = folder_ / "texts.nbr";
    ASSERT_TRUE(SaveProject(project, path, nullptr));
    EXPECT_THAT(ReadBytes(path), HasSubstr("\x81\x60\x81\x7C\x81\x61\x87\x40\r\n"));
}

// A text that would not read back as written is refused before anything is
// written, with a message naming the file and the text.
TEST_F(ProjectFileWriter, RefusesTextsThatCannotBeWritten) {
    const auto path = folder_ / "project.nbr";
    const auto previous = ProjectFileBytes({"previous"});
    for (const char* text : {"𠮷", "¥", "1,5", "1\r\n2", "3\n"}) {
        folder_.Write("project.nbr", previous);
        ProjectData project = test::OneBlockProject();
        (*project.fillLoads).At(fill_column::kCentreOffset, 0) = Cell::Text(text);
        std::string error;
        EXPECT_FALSE(SaveProject(project, path, &error)) << text;
        EXPECT_THAT(error, HasSubstr(path.string())) << error;
        EXPECT_THAT(error, HasSubstr(std::string("値「") + text + "」")) << error;
        EXPECT_EQ(ReadBytes(path), previous) << text;
        EXPECT_EQ(FolderContents(), std::vector<std::string>{"project.nbr"}) << text;
    }
}

// The reader refuses a line longer than 65,536 bytes of the file's code page,
// so a project holding one is refused before anything is written. A boring
// name is the longest text a project holds; "ボーリング名=" takes 13 bytes.
TEST_F(ProjectFileWriter, RefusesALineLongerThanTheReaderTakes) {
    std::string hiragana40000;
    for (int i = 0; i < 40000; ++i) hiragana40000 += "あ";
    const struct {
        std::string name;
        std::string refusal;  // empty: saved and read back
    } cases[] = {
        {std::string(65523, 'a'), ""},
        {std::string(65524, 'a'),
         "3行目「ボーリング名=aaaaaaaaa…」が長すぎます（65537 バイト、上限 65536 バイト）"},
        // Measured in code page 932 (2 bytes a character), not in UTF-8 (3).
        {hiragana40000.substr(0, 30000 * 3), ""},
        {hiragana40000,
         "3行目「ボーリング名=あああああああああ…」が長すぎます（80013 バイト、上限 65536 "
         "バイト）"},
    };
    for (const auto& c : cases) {
        ProjectData project = test::OneBlockProject();
        project.soilDerivation =
            SoilDerivation{"BED0001.XML", c.name, 2800, {{"砂", 0, 5, {}, {}, std::nullopt}}};
        const auto path = folder_ / "long.nbr";
        std::string error;
        if (c.refusal.empty()) {
            EXPECT_EQ(RoundTrip(project).soilDerivation, project.soilDerivation);
        } else {
            EXPECT_FALSE(SaveProject(project, path, &error));
            EXPECT_EQ(error, "「" + path.string() + "」を保存できませんでした: " + c.refusal);
            EXPECT_FALSE(std::filesystem::exists(path));
        }
    }
}

TEST_F(ProjectFileWriter, ReplacesAnExistingFile) {
    const auto path = folder_.Write("project.nbr", std::string(5000, 'x'));
    ASSERT_TRUE(SaveProject(test::OneBlockProject(), path, nullptr));
    EXPECT_EQ(ReadBytes(path), ReadBytes(test::OneBlockExample()));
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"project.nbr"});
}

TEST_F(ProjectFileWriter, ReportsAFolderThatCannotHoldTheFile) {
    const auto notAFolder = folder_.Write("plain-file", "x");
    const auto path = notAFolder / "project.nbr";
    std::string error;
    EXPECT_FALSE(SaveProject(test::OneBlockProject(), path, &error));
    EXPECT_EQ(error, "「" + path.string() +
                         "」を保存できませんでした: フォルダではないものがパスに含まれています");
}

// The rename is the last step; when it fails the temporary file goes and the
// folder in the way stays as it was.
TEST_F(ProjectFileWriter, LeavesNoTemporaryFileWhenTheRenameFails) {
    const auto path = folder_ / "project.nbr";
    std::filesystem::create_directory(path);
    folder_.Write("project.nbr/inside", "kept");
    std::string error;
    EXPECT_FALSE(SaveProject(test::OneBlockProject(), path, &error));
    EXPECT_THAT(error, HasSubstr(path.string())) << error;
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"project.nbr"});
    EXPECT_EQ(ReadBytes(path / "inside"), "kept");
}

TEST_F(ProjectFileWriter, KeepsThePreviousFileWhenWritingFails) {
    const auto previous = ReadBytes(test::OneBlockExample());
    const auto path = folder_.Write("project.nbr", previous);
    ProjectData project = test::OneBlockProject();
    project.soilLayers->ResizeRows(1000);
    std::string error;
    {
        test::FileSizeLimit limit(1024);
        EXPECT_FALSE(SaveProject(project, path, &error));
    }
    EXPECT_EQ(error,
              "「" + path.string() + "」を保存できませんでした: ファイルサイズの上限を超えました");
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"project.nbr"});
}

}  // namespace
}  // namespace nubera
