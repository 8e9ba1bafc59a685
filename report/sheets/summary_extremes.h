#pragma once

#include <optional>
#include <vector>

#include "model/calc_results.h"
#include "spreadsheet/worksheet.h"

namespace nubera::report {

// The model of the rows that go below a summary's plot.
inline constexpr const char* kSummaryModelSheet = "まとめ雛形";

// Which extremes a summary lists: the settlement's largest, or the
// displacement's largest of each sign (the ground moves either way).
enum class SummaryExtremes { Largest, EachSign };

// The first row below the plot band of the summary's drawing.
inline constexpr int kSummaryExtremesRow = 46;

// Below the summary's plot: the extremes of the points' totals (value, point
// and its x from the centre of q1), as numbers in cells, then how x and the
// result are signed. Written after the surplus load columns are deleted, so
// the rows keep their columns.
void WriteSummaryExtremes(sheet::Worksheet& summary, const sheet::Worksheet& model,
                          SummaryExtremes kind, const std::vector<std::optional<double>>& totals,
                          const CalcResults& results);

}  // namespace nubera::report
