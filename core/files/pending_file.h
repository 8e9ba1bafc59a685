#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace nubera {

// A file being written in its destination folder under a hidden temporary
// name (".nubera-<random>-<mark>.tmp", the mark a hash of the random part),
// which only gets its final name once complete. While this object lives the
// file is locked; destroying it without publishing removes the file. A
// process killed mid-write leaves its file unlocked, and the next pending
// file created in that folder removes it; a file whose name lacks the mark,
// or that belongs to another user, is never removed.
class PendingFile {
  public:
    // Whether Create first removes what killed runs left in the folder. A
    // caller creating many files in one folder removes them once itself.
    enum class Sweep { First, Skip };
    // Creates the file in `folder`. Returns nothing and sets *reason
    // (Japanese) on failure.
    static std::optional<PendingFile> Create(const std::filesystem::path& folder,
                                             std::string* reason, Sweep sweep = Sweep::First);
    // Removes the files of runs killed while writing in `folder`. Removing
    // them is a courtesy; a folder that cannot be listed is left as it is.
    static void RemoveAbandoned(const std::filesystem::path& folder);
    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&&) = delete;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();

    // The temporary name, for reading back what was written.
    const std::filesystem::path& Path() const { return path_; }

    // Writes all of `bytes` and starts the disk on them, without waiting:
    // the file is synced before it gets a name, so work done in between (a
    // read back, say) overlaps the disk's. Returns false and sets *reason
    // when the disk refuses (no space, a file-size limit).
    bool Write(std::string_view bytes, std::string* reason);

    enum class Published { Done, NameTaken, Failed };
    // Syncs the file to disk and gives it the name `target` in one step
    // unless that name exists, which is left untouched (NameTaken). Failed
    // sets *reason.
    Published PublishAs(const std::filesystem::path& target, std::string* reason);
    // Syncs the file to disk and gives it the name `target`, replacing what
    // had it, in one step.
    bool ReplaceAs(const std::filesystem::path& target, std::string* reason);

  private:
    PendingFile(std::filesystem::path path, int descriptor)
        : path_(std::move(path)), fd_(descriptor) {}

    std::filesystem::path path_;
    int fd_ = -1;
    // Syncs what was written to disk unless done already; false with *reason
    // when the disk refuses.
    bool Synced(std::string* reason);

    bool named_ = false;  // published: the temporary name is gone
    bool synced_ = true;  // nothing written since the last sync
};

}  // namespace nubera
