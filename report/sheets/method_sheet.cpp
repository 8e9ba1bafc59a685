#include "report/sheets/method_sheet.h"

#include "report/sheets/model_sections.h"

namespace nubera::report {
namespace {

constexpr ModelRows kGeneral{1, 23};  // symbols, Em, settlement
constexpr ModelRows kLateral{24, 30};
constexpr ModelRows kClosing{31, 53};  // loads from the tables, superposition, assumptions, signs

}  // namespace

void WriteMethodSheet(sheet::Workbook& book, bool alsoLateral) {
    sheet::Worksheet& sheet = book.Sheet(kMethodSheet);
    SectionWriter writer(sheet, book.Sheet(kMethodModelSheet));
    writer.Paste(kGeneral);
    if (alsoLateral) writer.Paste(kLateral);
    // The formulas fill the first page; the rules that make the loads from the
    // input tables and join their results start the second, so that no heading is parted from its
    // lines however a renderer measures the wrapped text.
    sheet.AddPageBreakBefore(writer.Paste(kClosing));
}

}  // namespace nubera::report
