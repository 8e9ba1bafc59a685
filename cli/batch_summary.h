#pragma once

#include <cstddef>
#include <string>

#include "cli/project_outcome.h"

namespace nubera::cli {

// The figures of a summary as text: "6860.00" for Em, "1.13" for a result
// and its point "⑥" at "0.00" m; empty when there are none.
std::string EmText(const ProjectOutcome& outcome);
std::string ValueText(const std::optional<LargestResult>& largest);
std::string PointText(const std::optional<LargestResult>& largest);
std::string PointXText(const std::optional<LargestResult>& largest);

// A project's line of the batch summary, tab-separated: the project, Em, the
// largest settlement and displacement with their points, the workbook (and
// PDF); or the project and its refusal (a message of several lines joined).
std::string SummaryLine(const ProjectOutcome& outcome);

// A project's line of the JSON batch summary: the single project's object
// with "project" first, or {"project", "error"} for a refusal.
std::string SummaryJsonLine(const ProjectOutcome& outcome);

// The summary's last line, counting both kinds of outcome.
std::string CountLine(std::size_t succeeded, std::size_t refused, bool json);

}  // namespace nubera::cli
