#include "files/pending_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "files/system_calls.h"
#include "files/system_reason.h"
#include "tests/core/file_size_limit.h"
#include "tests/core/files/abandoned_pending_file.h"
#include "tests/core/scratch_folder.h"

namespace nubera {
namespace {

using test::ReadBytes;
using test::ScratchFolder;

std::vector<std::string> Names(const ScratchFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

PendingFile Created(const ScratchFolder& folder) {
    std::string reason;
    std::optional<PendingFile> file = PendingFile::Create(folder.Path(), &reason);
    EXPECT_TRUE(file) << reason;
    return std::move(*file);
}

TEST(PendingFile, IsHiddenUntilPublishedAndGoneWhenDropped) {
    ScratchFolder folder;
    {
        PendingFile file = Created(folder);
        EXPECT_EQ(file.Path().parent_path(), folder.Path());
        EXPECT_EQ(file.Path().filename().string().front(), '.');
        std::string reason;
        ASSERT_TRUE(file.Write("half a workbook", &reason)) << reason;
    }
    EXPECT_TRUE(Names(folder).empty());
}

TEST(PendingFile, PublishingNeverReplacesAFile) {
    ScratchFolder folder;
    const auto taken = folder.Write("taken.xlsx", "someone's");
    PendingFile file = Created(folder);
    std::string reason;
    ASSERT_TRUE(file.Write("complete", &reason));
    EXPECT_EQ(file.PublishAs(taken, &reason), PendingFile::Published::NameTaken);
    EXPECT_EQ(ReadBytes(taken), "someone's");
    EXPECT_EQ(file.PublishAs(folder / "free.xlsx", &reason), PendingFile::Published::Done);
    EXPECT_EQ(ReadBytes(folder / "free.xlsx"), "complete");
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"free.xlsx", "taken.xlsx"}));
}

TEST(PendingFile, PublishingIntoAMissingFolderFailsWithItsReason) {
    ScratchFolder folder;
    PendingFile file = Created(folder);
    std::string reason;
    EXPECT_EQ(file.PublishAs(folder / "absent" / "a.xlsx", &reason),
              PendingFile::Published::Failed);
    EXPECT_EQ(reason, "ファイルまたはフォルダが見つかりません");
}

// What a killed run leaves has no live lock; a run still writing holds one;
// a name only looks like ours unless it carries the mark of its random part.
TEST(PendingFile, TheNextOneRemovesWhatKilledRunsLeftButNotWhatARunIsWritingNorAStrangersFile) {
    ScratchFolder folder;
    const auto left = test::AbandonedPendingFile(folder.Path());
    ASSERT_TRUE(std::filesystem::exists(left));
    std::string stranger = left.filename().string();
    stranger[9] = stranger[9] == '0' ? '1' : '0';  // the random part no longer fits its mark
    const std::vector<std::string> kept{".nubera-999999-0.tmp", ".nubera-notes.tmp", "other.tmp",
                                        stranger};
    for (const std::string& name : kept) folder.Write(name, "not ours");
    PendingFile writing = Created(folder);
    std::vector<std::string> expected = kept;
    expected.push_back(writing.Path().filename().string());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(folder), expected);
    PendingFile second = Created(folder);
    EXPECT_NE(second.Path(), writing.Path());
    EXPECT_TRUE(std::filesystem::exists(writing.Path()));
}

TEST(PendingFile, AWritePastTheSizeLimitFailsWithItsReasonAndLeavesNothing) {
    ScratchFolder folder;
    std::string reason;
    {
        PendingFile file = Created(folder);
        test::FileSizeLimit limit(4096);
        EXPECT_FALSE(file.Write(std::string(10000, 'x'), &reason));
    }
    EXPECT_EQ(reason, "ファイルサイズの上限を超えました");
    EXPECT_TRUE(Names(folder).empty());
}

TEST(PendingFile, AFolderThatCannotBeWrittenIsReported) {
    ScratchFolder folder;
    std::string reason;
    EXPECT_FALSE(PendingFile::Create(folder / "absent", &reason));
    EXPECT_EQ(reason, "ファイルまたはフォルダが見つかりません");
}

// The common reasons read in Japanese alone; a rare one keeps the system's
// own words after a Japanese lead.
TEST(SystemReasonText, CommonReasonsAreJapaneseAndRareOnesKeepTheSystemText) {
    EXPECT_EQ(SystemReasonText(EACCES), "アクセス権がありません");
    EXPECT_EQ(SystemReasonText(EPERM), "アクセス権がありません");
    EXPECT_EQ(SystemReasonText(ENOSPC), "ディスクの空き容量が足りません");
    EXPECT_EQ(SystemReasonText(ENOENT), "ファイルまたはフォルダが見つかりません");
    EXPECT_EQ(SystemReasonText(EFBIG), "ファイルサイズの上限を超えました");
    EXPECT_EQ(SystemReasonText(EROFS), "読み取り専用の場所です");
    EXPECT_EQ(SystemReasonText(ETXTBSY), "システムエラー: Text file busy");
}

// The rename that publishes a file where hard links are missing: a name
// already taken, by a file or a folder, is left as it was.
TEST(RenameWithoutReplacing, GivesTheNameOnlyWhenItIsFree) {
    ScratchFolder folder;
    const auto from = folder.Write("from", "new");
    const auto taken = folder.Write("taken", "old");
    std::filesystem::create_directory(folder / "folder");
    EXPECT_EQ(RenameWithoutReplacing(from, taken), EEXIST);
    EXPECT_EQ(RenameWithoutReplacing(from, folder / "folder"), EEXIST);
    EXPECT_EQ(ReadBytes(taken), "old");
    EXPECT_EQ(ReadBytes(from), "new");

    EXPECT_EQ(RenameWithoutReplacing(from, folder / "free"), 0);
    EXPECT_EQ(ReadBytes(folder / "free"), "new");
    EXPECT_FALSE(std::filesystem::exists(from));
}

}  // namespace
}  // namespace nubera
