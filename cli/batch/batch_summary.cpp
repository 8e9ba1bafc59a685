#include "cli/batch/batch_summary.h"

#include <algorithm>

#include "cli/escaped_text.h"
#include "cli/results_json.h"
#include "model/point_name.h"
#include "text/number_text.h"
#include "text/path_text.h"
#include "text/round_half.h"

namespace nubera::cli {
namespace {

std::string OneLine(std::string text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
    std::ranges::replace(text, '\n', ' ');
    std::ranges::replace(text, '\t', ' ');
    return text;
}

// A path as one field of the line.
std::string PathField(const std::filesystem::path& path) {
    return EscapedText(Utf8FromPath(path));
}

// "沈下量 1.13 cm ⑥ x=0.00 m", or the label and "-" without a result.
std::string LargestText(const char* label, const std::optional<LargestResult>& largest) {
    if (!largest) return std::string(label) + " -";
    return std::string(label) + " " + ValueText(largest) + " cm " + PointText(largest) +
           " x=" + PointXText(largest) + " m";
}

}  // namespace

std::string EmText(const ProjectOutcome& outcome) {
    return outcome.Succeeded() ? FormatFixed2(outcome.equivalentModulus) : std::string();
}

std::string ValueText(const std::optional<LargestResult>& largest) {
    return largest ? FormatFixed2(RoundHalf(largest->value)) : std::string();
}

std::string PointText(const std::optional<LargestResult>& largest) {
    return largest ? CircledNumber(largest->point + 1) : std::string();
}

std::string PointXText(const std::optional<LargestResult>& largest) {
    return largest && !largest->x.IsMissing() ? FormatFixed2(largest->x.AsNumber()) : std::string();
}

std::string SummaryLine(const ProjectOutcome& outcome) {
    const std::string project = PathField(outcome.project);
    if (!outcome.Succeeded()) return project + "\t拒否: " + OneLine(outcome.refusal);
    std::string line = project + "\tEm " + EmText(outcome) + " kN/m2\t" +
                       LargestText("最大沈下量", outcome.settlement) + "\t" +
                       LargestText("最大側方変位量", outcome.lateral);
    if (outcome.workbook) line += "\t" + PathField(*outcome.workbook);
    if (outcome.pdf) line += "\t" + PathField(*outcome.pdf);
    if (!outcome.pdfFailure.empty()) line += "\tPDF失敗: " + OneLine(outcome.pdfFailure);
    return line;
}

std::string SummaryJsonLine(const ProjectOutcome& outcome) {
    if (outcome.Succeeded()) return JsonLine(outcome.json);
    return JsonLine({{"project", Utf8FromPath(outcome.project)}, {"error", outcome.refusal}});
}

void OutcomeCounts::Add(const ProjectOutcome& outcome) {
    ++(outcome.Succeeded() ? succeeded : refused);
    if (!outcome.pdfFailure.empty()) ++pdfFailed;
}

std::string CountLine(const OutcomeCounts& counts, bool json) {
    if (json) {
        nlohmann::ordered_json line{{"succeeded", counts.succeeded}, {"refused", counts.refused}};
        if (counts.pdfAsked) line["pdfFailed"] = counts.pdfFailed;
        return JsonLine(line);
    }
    std::string line = "成功 " + std::to_string(counts.succeeded) + " 件、拒否 " +
                       std::to_string(counts.refused) + " 件";
    if (counts.pdfAsked) line += "、PDF失敗 " + std::to_string(counts.pdfFailed) + " 件";
    return line;
}

}  // namespace nubera::cli
