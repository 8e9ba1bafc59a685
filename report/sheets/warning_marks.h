#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/project_data.h"
#include "screenrules/plausible_ranges.h"
#include "spreadsheet/worksheet.h"

namespace nubera::report {

// What the input sheet writes after a value the run warns of.
inline constexpr const char* kWarningMark = "※";

// The values a run warns of (RunWarnings), as the input sheet marks them: the
// value's text with the mark after it where the number would stand, and the
// warnings themselves as the marks' legend.
class WarningMarks {
  public:
    explicit WarningMarks(const ProjectData& project);

    // Where a value is kept, as RangedValue says; `column` only for tables.
    bool Marked(ValueSource source, std::size_t column = 0, std::size_t row = 0,
                std::size_t test = 0) const;

    // Writes a value of the project at (row, column) of the sheet: a number
    // as it is (a missing one leaves the cell empty), a marked one as text.
    void Put(sheet::Worksheet& sheet, int row, int column, const Cell& value, ValueSource source,
             std::size_t tableColumn = 0, std::size_t tableRow = 0) const;

    // NValuesText with the mark after each marked N-value of the layer.
    std::string NValuesText(std::size_t layer, const std::vector<double>& nValues) const;

    // The warnings, each on two lines that fit the page: the mark and what
    // is odd about the value, then why it is told.
    std::vector<std::string> Legend() const;

  private:
    std::vector<RangedValue> implausible_;
    bool poissonWarned_;
    std::vector<std::string> warnings_;
};

}  // namespace nubera::report
