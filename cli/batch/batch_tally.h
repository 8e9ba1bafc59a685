#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "cli/batch/batch_summary.h"
#include "cli/batch/project_outcome.h"

namespace nubera::cli {

// What the end of a batch needs of the projects reported so far, kept as
// each is reported so that no outcome outlives its report: how they fared,
// the folders their workbooks were named in, and the CSV summary's bytes
// when one is asked for.
class BatchTally {
  public:
    BatchTally(bool pdfAsked, bool csvAsked);

    // One more project, in the summary's order.
    void Add(const ProjectOutcome& outcome);

    const OutcomeCounts& Counts() const { return counts_; }
    const std::set<std::filesystem::path>& Folders() const { return folders_; }
    // Nothing unless asked for.
    const std::optional<std::string>& Csv() const { return csv_; }

  private:
    OutcomeCounts counts_;
    std::set<std::filesystem::path> folders_;
    std::optional<std::string> csv_;
};

}  // namespace nubera::cli
