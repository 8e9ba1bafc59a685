#include "cli/batch/csv_summary_file.h"

#include "cli/batch/summary_csv.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

// Rows are written in pieces of about this size.
constexpr std::size_t kWrittenAtOnce = 64 * 1024;

}  // namespace

CsvSummaryFile::CsvSummaryFile(std::filesystem::path path)
    : path_(std::move(path)),
      file_(PendingFile::Create(FolderOf(path_), &failure_)),
      rows_(SummaryCsvHeader()) {}

void CsvSummaryFile::Add(const ProjectOutcome& outcome) {
    if (!file_) return;
    rows_ += SummaryCsvRow(outcome);
    if (rows_.size() >= kWrittenAtOnce) Flush();
}

void CsvSummaryFile::Flush() {
    if (file_ && !file_->Write(rows_, &failure_)) file_.reset();
    rows_.clear();
}

bool CsvSummaryFile::Publish(ExistingFile existing, std::string* reason) {
    Flush();
    if (!file_) {
        *reason = failure_;
        return false;
    }
    return PublishFile(*file_, path_, reason, existing);
}

}  // namespace nubera::cli
