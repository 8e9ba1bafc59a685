#include "report/sheets/paged_sections.h"

namespace nubera::report {
namespace {

// Room kept free at each page's foot: renderers round row heights to their
// own units, and a row that ends a hair beyond the page moves to the next
// one on its own, leaving its heading behind.
constexpr double kPageReserve = 0.03;

}  // namespace

PagedSectionWriter::PagedSectionWriter(sheet::Worksheet& sheet, const sheet::Worksheet& model)
    : sheet_(sheet),
      model_(model),
      writer_(sheet, model),
      pageHeight_(sheet.PageBodyHeight() * (1 - kPageReserve)) {}

double PagedSectionWriter::Height(ModelRows rows) const {
    double height = 0;
    for (int row = rows.first; row <= rows.last; ++row) height += model_.RowHeight(row);
    return height;
}

bool PagedSectionWriter::Fits(double height) const {
    return used_ == 0 || used_ + height <= pageHeight_;
}

void PagedSectionWriter::BreakPage() {
    sheet_.AddPageBreakBefore(writer_.NextRow());
    used_ = 0;
}

int PagedSectionWriter::Paste(ModelRows rows, double followedBy) {
    const double height = Height(rows);
    if (!Fits(height + followedBy)) BreakPage();
    used_ += height;
    return writer_.Paste(rows);
}

int PagedSectionWriter::PasteTableRow(ModelRows row, ModelRows header) {
    if (!Fits(Height(row))) {
        BreakPage();
        Paste(header);
    }
    return Paste(row);
}

}  // namespace nubera::report
