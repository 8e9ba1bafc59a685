#include "report/sheets/warning_marks.h"

#include <algorithm>

#include "report/sheets/result_sheet.h"
#include "screenrules/poisson_ratio.h"
#include "screenrules/run_warnings.h"
#include "text/number_text.h"

namespace nubera::report {
namespace {

// A warning's first sentence says what is odd about the value, the rest why.
constexpr std::string_view kSentenceEnd = "。";
constexpr const char* kIndent = "　";

}  // namespace

WarningMarks::WarningMarks(const ProjectData& project)
    : implausible_(FindImplausibleValues(project)),
      poissonWarned_(!PoissonRatioWarning(project.alsoLateral, project.poissonRatio).empty()),
      warnings_(RunWarnings(project)) {}

bool WarningMarks::Marked(ValueSource source, std::size_t column, std::size_t row,
                          std::size_t test) const {
    if (source == ValueSource::PoissonRatio && poissonWarned_) return true;
    return std::any_of(implausible_.begin(), implausible_.end(), [&](const RangedValue& value) {
        return value.range->source == source && value.range->column == column && value.row == row &&
               value.test == test;
    });
}

void WarningMarks::Put(sheet::Worksheet& sheet, int row, int column, const Cell& value,
                       ValueSource source, std::size_t tableColumn, std::size_t tableRow) const {
    if (!value.IsMissing() && Marked(source, tableColumn, tableRow)) {
        sheet.SetText(row, column, FormatNumber(value.AsNumber()) + kWarningMark);
    } else {
        PutValue(sheet, row, column, value);
    }
}

std::string WarningMarks::NValuesText(std::size_t layer, const std::vector<double>& nValues) const {
    std::string text;
    for (std::size_t test = 0; test < nValues.size(); ++test) {
        if (test > 0) text += ", ";
        text += FormatNumber(nValues[test]);
        if (Marked(ValueSource::NValue, 0, layer, test)) text += kWarningMark;
    }
    return text;
}

std::vector<std::string> WarningMarks::Legend() const {
    std::vector<std::string> lines;
    for (const std::string& warning : warnings_) {
        const std::size_t end = warning.find(kSentenceEnd);
        const std::size_t split =
            end == std::string::npos ? warning.size() : end + kSentenceEnd.size();
        lines.push_back(kWarningMark + warning.substr(0, split));
        if (split < warning.size()) lines.push_back(kIndent + warning.substr(split));
    }
    return lines;
}

}  // namespace nubera::report
