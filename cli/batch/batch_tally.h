#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "cli/batch/batch_summary.h"
#include "cli/batch/csv_summary_file.h"
#include "cli/batch/project_outcome.h"

namespace nubera::cli {

// What the end of a batch needs of the projects reported so far, kept as
// each is reported so that no outcome outlives its report: how they fared,
// the folders their workbooks were named in, and, when asked for, the CSV
// summary, written as it goes.
class BatchTally {
  public:
    BatchTally(bool pdfAsked, const std::optional<std::filesystem::path>& csv);

    // One more project, in the summary's order.
    void Add(const ProjectOutcome& outcome);

    const OutcomeCounts& Counts() const { return counts_; }
    const std::set<std::filesystem::path>& Folders() const { return folders_; }
    // Names the CSV summary once every project is added; true when none
    // was asked for. Returns false with *reason on failure.
    bool PublishCsv(ExistingFile existing, std::string* reason);

  private:
    OutcomeCounts counts_;
    std::set<std::filesystem::path> folders_;
    std::optional<CsvSummaryFile> csv_;
};

}  // namespace nubera::cli
