#include "files/result_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "tests/core/scratch_folder.h"

namespace nubera {
namespace {

using test::ScratchFolder;
using ::testing::HasSubstr;

const std::filesystem::path kPerUser = std::filesystem::path(u8"ヌベラ計算結果");

// A build tree or a portable copy, told by its marker file.
TEST(ResultFolder, IsAMarkedProgramFolderWhenAFileCanBeMadeThere) {
    ScratchFolder scratch;
    const auto program = scratch / "bin";
    const auto documents = scratch / "documents";
    std::filesystem::create_directories(program);
    std::ofstream(program / kPortableMarkerName) << "x";
    std::string reason;
    EXPECT_EQ(ResultFolder(program, documents, &reason), program);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program), {}), 1)
        << "the probe file is gone";
    EXPECT_FALSE(std::filesystem::exists(documents / kPerUser));
}

// An installed program's folder takes files when an administrator runs it,
// or when it was installed under the person's home: still no result there.
TEST(ResultFolder, IsThePerUserFolderForAnUnmarkedProgramFolderThatTakesFiles) {
    ScratchFolder scratch;
    const auto program = scratch / "bin";
    const auto documents = scratch / "documents";
    std::filesystem::create_directories(program / kPortableMarkerName);
    std::string reason;
    EXPECT_EQ(ResultFolder(program, documents, &reason), documents / kPerUser);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program), {}), 1)
        << "a folder of the marker's name is no marker, and nothing was made beside it";
}

// A program folder that takes no file (a path below a plain file refuses
// even an administrator).
TEST(ResultFolder, IsThePerUserFolderMadeWhenNeededOtherwise) {
    ScratchFolder scratch;
    ScratchFolder documents;
    std::ofstream(scratch.Path() / "file") << "x";
    const auto program = scratch.Path() / "file" / "bin";
    std::string reason;
    EXPECT_EQ(ResultFolder(program, documents.Path(), &reason), documents.Path() / kPerUser);
    EXPECT_TRUE(std::filesystem::is_directory(documents.Path() / kPerUser));
    EXPECT_EQ(ResultFolder(program, documents.Path(), &reason), documents.Path() / kPerUser)
        << "an existing per-user folder is used as it is";
}

TEST(ResultFolder, IsNothingWithTheReasonWhenNeitherTakesAFile) {
    ScratchFolder scratch;
    std::ofstream(scratch.Path() / "file") << "x";
    const auto nowhere = scratch.Path() / "file" / "sub";
    std::string reason;
    EXPECT_EQ(ResultFolder(nowhere, nowhere, &reason), std::nullopt);
    EXPECT_FALSE(reason.empty());
}

}  // namespace
}  // namespace nubera
