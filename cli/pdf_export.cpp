#include "cli/pdf_export.h"

#include <unistd.h>

#include <string_view>

#include "cli/helper_process.h"
#include "report/result_printout.h"

namespace nubera::cli {
namespace {

constexpr const char* kFailure = "PDFファイルを作成できませんでした: ";

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

// The helper's first arguments.
std::vector<std::string> HelperCall(const std::filesystem::path& tool, ExistingFile existing) {
    std::vector<std::string> arguments{tool.string()};
    if (existing == ExistingFile::Replace) arguments.emplace_back("--replace");
    return arguments;
}

// The helper's list: for each workbook its path, the PDF's and its sheets,
// each ended by a NUL byte, and an empty field after the last sheet.
std::string PdfList(const std::vector<PdfRequest>& requests) {
    std::string list;
    for (const PdfRequest& request : requests) {
        list += request.workbook.string() + '\0' + PdfPathOf(request.workbook).string() + '\0';
        for (const std::string& sheet : report::PrintedResultSheets(request.alsoLateral)) {
            list += sheet + '\0';
        }
        list += '\0';
    }
    return list;
}

}  // namespace

std::filesystem::path PdfPathOf(const std::filesystem::path& workbook) {
    std::filesystem::path pdf = workbook;
    return pdf.replace_extension(kPdfExtension);
}

std::optional<std::filesystem::path> WriteResultPdf(const std::filesystem::path& tool,
                                                    const std::filesystem::path& workbook,
                                                    bool alsoLateral, ExistingFile existing,
                                                    std::string* error) {
    const std::filesystem::path pdf = PdfPathOf(workbook);
    std::vector<std::string> arguments = HelperCall(tool, existing);
    arguments.push_back(workbook.string());
    arguments.push_back(pdf.string());
    for (std::string& sheet : report::PrintedResultSheets(alsoLateral))
        arguments.push_back(std::move(sheet));
    std::string output;
    const int status = RunHelper(arguments, {}, &output);
    if (status == 0) return pdf;
    *error = kFailure + (status < 0 ? tool.string() + ": " : std::string()) + Trimmed(output);
    return std::nullopt;
}

std::vector<PdfOutcome> WriteResultPdfs(const std::filesystem::path& tool,
                                        const std::vector<PdfRequest>& requests,
                                        ExistingFile existing) {
    std::vector<std::string> arguments = HelperCall(tool, existing);
    arguments.emplace_back("--list");
    std::string answers;
    const int status = RunHelper(arguments, {PdfList(requests), STDOUT_FILENO}, &answers);
    // One answer per workbook, each ended by a NUL byte: empty when written,
    // else why not. Workbooks left unanswered share the run's failure.
    std::vector<PdfOutcome> outcomes;
    std::size_t at = 0;
    for (const PdfRequest& request : requests) {
        const std::size_t end = answers.find('\0', at);
        if (end == std::string::npos) {
            outcomes.push_back({std::nullopt, kFailure + tool.string() + ": " +
                                                  (status < 0 ? answers : "途中で終了しました")});
            continue;
        }
        const std::string answer = answers.substr(at, end - at);
        at = end + 1;
        if (answer.empty()) {
            outcomes.push_back({PdfPathOf(request.workbook), {}});
        } else {
            outcomes.push_back({std::nullopt, kFailure + Trimmed(answer)});
        }
    }
    return outcomes;
}

}  // namespace nubera::cli
