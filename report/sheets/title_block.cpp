#include "report/sheets/title_block.h"

namespace nubera::report {
namespace {

// Header and footer codes read "&" as the start of a code; "&&" prints one.
std::string AsHeaderText(const std::string& text) {
    std::string codes;
    for (char c : text) {
        codes += c;
        if (c == '&') codes += '&';
    }
    return codes;
}

}  // namespace

void WriteTitleBlocks(sheet::Workbook& book, const ProjectDescription& description,
                      const ReportContext& context) {
    const std::string project = AsHeaderText(ReportHeaderText(context, description));
    const std::string runTime = AsHeaderText(RunTimeText(context));
    for (const std::string& name : book.SheetNames()) {
        sheet::Worksheet& sheet = book.Sheet(name);
        sheet.ReplaceInHeadersAndFooters(kProjectPlaceholder, project);
        sheet.ReplaceInHeadersAndFooters(kRunTimePlaceholder, runTime);
    }
    book.SetDocumentProperties(
        {"即時沈下量計算結果（" + ReportHeaderText(context, description) + "）", ProgramText(),
         context.runTime});
}

}  // namespace nubera::report
