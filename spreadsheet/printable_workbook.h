#pragma once

// A saved workbook read for printing its sheets (spreadsheet/ooxml/
// open_workbook.h opens one).

#include <string_view>

#include "spreadsheet/cell_format.h"
#include "spreadsheet/printable_sheet.h"
#include "spreadsheet/workbook.h"

namespace nubera::sheet {

class PrintableWorkbook {
  public:
    virtual ~PrintableWorkbook() = default;

    // The sheet of that name, read if it was not yet; nullptr when there is
    // none. Throws SpreadsheetError naming the sheet when it cannot be read.
    virtual const PrintableSheet* FindSheet(std::string_view name) = 0;
    // The font of the workbook's default cell style.
    virtual const FontFormat& DefaultFont() const = 0;
    // Its title and the program that wrote it, as its document properties say.
    virtual const DocumentProperties& Properties() const = 0;
};

}  // namespace nubera::sheet
