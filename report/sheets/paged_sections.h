#pragma once

#include "report/sheets/model_sections.h"

namespace nubera::report {

// Pastes model sections one below the other and breaks the pages itself, so
// that every renderer prints them alike and no heading ends a page: a section
// starts a new page unless it fits there together with what must follow it
// (a heading with the first rows of its table), and a table row that does
// not fit starts a new page that repeats the table's header row first.
class PagedSectionWriter {
  public:
    PagedSectionWriter(sheet::Worksheet& sheet, const sheet::Worksheet& model);

    // Pastes `rows`, on a new page unless they fit with `followedBy` points
    // more. Returns the sheet row their first row landed on.
    int Paste(ModelRows rows, double followedBy = 0);
    // Pastes one row of a table whose header row is `header`; when it does
    // not fit, on a new page below a copy of that header.
    int PasteTableRow(ModelRows row, ModelRows header);

    // The height of model rows, in points.
    double Height(ModelRows rows) const;

  private:
    // The page so far is empty, or holds `height` points more.
    bool Fits(double height) const;
    void BreakPage();

    sheet::Worksheet& sheet_;
    const sheet::Worksheet& model_;
    SectionWriter writer_;
    double pageHeight_;
    double used_ = 0;
};

}  // namespace nubera::report
