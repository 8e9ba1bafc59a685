#pragma once

// A saved workbook read for printing its sheets.

#include <filesystem>
#include <memory>
#include <string_view>

#include "spreadsheet/cell_format.h"
#include "spreadsheet/printable_sheet.h"
#include "spreadsheet/workbook.h"

namespace nubera::sheet {

class PrintableWorkbook {
  public:
    // Throws SpreadsheetError naming the file when it cannot be read.
    static std::unique_ptr<PrintableWorkbook> Open(const std::filesystem::path& path);
    // The same from the bytes of a saved workbook held in memory (read as the
    // file holding them would be); `path` names them in messages.
    static std::unique_ptr<PrintableWorkbook> Open(std::string_view bytes,
                                                   const std::filesystem::path& path);
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
