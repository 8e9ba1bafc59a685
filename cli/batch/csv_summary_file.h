#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "cli/batch/project_outcome.h"
#include "files/atomic_file.h"
#include "files/pending_file.h"

namespace nubera::cli {

// The batch summary's CSV file, written as the projects are reported: the
// rows go to a pending file in the CSV's folder as they come, so that none
// is held, and the file gets its name only once complete. What fails on the
// way is kept and told when the file would be named.
class CsvSummaryFile {
  public:
    explicit CsvSummaryFile(std::filesystem::path path);

    // The project's row, in the summary's order.
    void Add(const ProjectOutcome& outcome);
    // Names the complete file, replacing a file of its name only when
    // `existing` says so. Returns false with *reason (Japanese) on failure.
    bool Publish(ExistingFile existing, std::string* reason);

  private:
    // Writes the rows held; on failure keeps why and writes no more.
    void Flush();

    std::filesystem::path path_;
    std::string failure_;
    std::optional<PendingFile> file_;  // nothing once failed
    std::string rows_;                 // not yet written
};

}  // namespace nubera::cli
