#include "cli/batch/batch_tally.h"

#include "cli/batch/summary_csv.h"
#include "text/path_text.h"

namespace nubera::cli {

BatchTally::BatchTally(bool pdfAsked, bool csvAsked) {
    counts_.pdfAsked = pdfAsked;
    if (csvAsked) csv_ = SummaryCsvHeader();
}

void BatchTally::Add(const ProjectOutcome& outcome) {
    counts_.Add(outcome);
    if (outcome.workbook) folders_.insert(FolderOf(*outcome.workbook));
    if (csv_) *csv_ += SummaryCsvRow(outcome);
}

}  // namespace nubera::cli
