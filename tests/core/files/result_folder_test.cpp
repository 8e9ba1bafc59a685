#include "files/result_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "tests/core/scratch_folder.h"

namespace nubera {
namespace {

using ::testing::HasSubstr;
using testing::ScratchFolder;

const std::filesystem::path kPerUser = std::filesystem::path(u8"ヌベラ計算結果");

TEST(ResultFolder, IsTheProgramsFolderWhenAFileCanBeMadeThere) {
    ScratchFolder program;
    ScratchFolder documents;
    std::string reason;
    EXPECT_EQ(ResultFolder(program.Path(), documents.Path(), &reason), program.Path());
    EXPECT_TRUE(std::filesystem::is_empty(program.Path())) << "the probe file is gone";
    EXPECT_FALSE(std::filesystem::exists(documents.Path() / kPerUser));
}

// A path below a plain file takes no file, not even an administrator's.
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
