#include "cli/batch/summary_csv.h"

#include <string_view>
#include <vector>

#include "cli/batch/batch_summary.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// A text field a spreadsheet program would take for a formula (a project
// named "=1+2.nbr") starts with an apostrophe, so that it imports as text, as
// spreadsheet-safe CSV writers do. The numeric fields are left as numbers.
std::string Text(const std::string& text) {
    if (text.empty() || std::string_view("=+-@\t\r").find(text.front()) == std::string_view::npos) {
        return text;
    }
    return "'" + text;
}

std::string PathText(const std::optional<std::filesystem::path>& path) {
    return path ? Text(Utf8FromPath(*path)) : std::string();
}

std::string Row(const std::vector<std::string>& fields) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) row += ',';
        row += Field(fields[i]);
    }
    return row + "\r\n";
}

std::vector<std::string> Fields(const ProjectOutcome& outcome) {
    return {Text(Utf8FromPath(outcome.project)),
            EmText(outcome),
            ValueText(outcome.settlement),
            PointText(outcome.settlement),
            PointXText(outcome.settlement),
            ValueText(outcome.lateral),
            PointText(outcome.lateral),
            PointXText(outcome.lateral),
            PathText(outcome.workbook),
            PathText(outcome.pdf),
            Text(outcome.refusal),
            Text(outcome.pdfFailure)};
}

}  // namespace

std::string SummaryCsvHeader() {
    const std::vector<std::string> header{"プロジェクト",
                                          "Em (kN/m2)",
                                          "最大沈下量 (cm)",
                                          "沈下量の着目点",
                                          "沈下量の着目点 x (m)",
                                          "最大側方変位量 (cm)",
                                          "側方変位量の着目点",
                                          "側方変位量の着目点 x (m)",
                                          "計算結果",
                                          "PDF",
                                          "拒否理由",
                                          "PDFの失敗理由"};
    return std::string(kByteOrderMark) + Row(header);
}

std::string SummaryCsvRow(const ProjectOutcome& outcome) {
    return Row(Fields(outcome));
}

}  // namespace nubera::cli
