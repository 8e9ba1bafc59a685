#include "cli/batch/batch_tally.h"

#include "text/path_text.h"

namespace nubera::cli {

BatchTally::BatchTally(bool pdfAsked, const std::optional<std::filesystem::path>& csv) {
    counts_.pdfAsked = pdfAsked;
    if (csv) csv_.emplace(*csv);
}

void BatchTally::Add(const ProjectOutcome& outcome) {
    counts_.Add(outcome);
    if (outcome.workbook) folders_.insert(FolderOf(*outcome.workbook));
    if (csv_) csv_->Add(outcome);
}

bool BatchTally::PublishCsv(ExistingFile existing, std::string* reason) {
    return !csv_ || csv_->Publish(existing, reason);
}

}  // namespace nubera::cli
