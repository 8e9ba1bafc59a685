#pragma once

#include <cstddef>
#include <string>

#include "cli/batch/project_outcome.h"

namespace nubera::cli {

// The figures of a summary as text: "6860.00" for Em, "1.13" for a result
// and its point "⑥" at "0.00" m; empty when there are none.
std::string EmText(const ProjectOutcome& outcome);
std::string ValueText(const std::optional<LargestResult>& largest);
std::string PointText(const std::optional<LargestResult>& largest);
std::string PointXText(const std::optional<LargestResult>& largest);

// A project's line of the batch summary, tab-separated: the project, Em, the
// largest settlement and displacement with their points, the workbook and
// the PDF or why it failed; or the project and its refusal (a message of
// several lines joined). A path's tab, line break or backslash is written as
// "\t", "\n", "\r" or "\\", so that each project keeps one line of fields.
std::string SummaryLine(const ProjectOutcome& outcome);

// A project's line of the JSON batch summary: the single project's object
// with "project" first, or {"project", "error"} for a refusal.
std::string SummaryJsonLine(const ProjectOutcome& outcome);

// How the projects of a batch fared.
struct OutcomeCounts {
    std::size_t succeeded = 0;
    std::size_t refused = 0;
    std::size_t pdfFailed = 0;  // succeeded, but the PDF asked for is missing
    bool pdfAsked = false;

    // Counts one more project.
    void Add(const ProjectOutcome& outcome);
};

// The summary's last line, counting every kind of outcome (failed PDFs only
// when they were asked for).
std::string CountLine(const OutcomeCounts& counts, bool json);

}  // namespace nubera::cli
