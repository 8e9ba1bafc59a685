#pragma once

#include "spreadsheet/worksheet.h"

namespace nubera::report {

// A section of a model sheet: the rows pasted together.
struct ModelRows {
    int first;
    int last;
};

// Pastes sections of a model sheet one below the other, from a given row on.
class SectionWriter {
  public:
    SectionWriter(sheet::Worksheet& sheet, const sheet::Worksheet& model, int firstRow = 1)
        : sheet_(sheet), model_(model), next_(firstRow) {}

    // Returns the sheet row the section's first row landed on.
    int Paste(ModelRows rows) {
        const int at = next_;
        sheet_.PasteRows(model_, rows.first, rows.last, at);
        next_ += rows.last - rows.first + 1;
        return at;
    }
    // The sheet row the next section lands on.
    int NextRow() const { return next_; }

  private:
    sheet::Worksheet& sheet_;
    const sheet::Worksheet& model_;
    int next_;
};

}  // namespace nubera::report
