#pragma once

// A saved Office Open XML workbook read for printing: its theme and cell
// styles resolved once, its sheets read as they are asked for.

#include <filesystem>
#include <memory>
#include <vector>

#include "spreadsheet/ooxml/styles/cell_formats.h"
#include "spreadsheet/ooxml/styles/theme_colors.h"
#include "spreadsheet/ooxml/xlsx_printable_sheet.h"
#include "spreadsheet/ooxml/xlsx_workbook.h"
#include "spreadsheet/printable_workbook.h"

namespace nubera::sheet {

class XlsxPrintableWorkbook final : public PrintableWorkbook {
  public:
    // Throws SpreadsheetError naming the file when it cannot be read.
    explicit XlsxPrintableWorkbook(const std::filesystem::path& path);
    // The same from a package already read. Throws SpreadsheetError naming its file.
    explicit XlsxPrintableWorkbook(Package package);

    const PrintableSheet* FindSheet(std::string_view name) override;
    const FontFormat& DefaultFont() const override { return formats_->DefaultFont(); }
    const DocumentProperties& Properties() const override { return properties_; }

  private:
    void ReadTheme();

    XlsxWorkbook book_;
    ThemeColors theme_;
    std::unique_ptr<CellFormats> formats_;
    std::unique_ptr<XlsxPrintableSheet::Shared> shared_;
    std::vector<std::unique_ptr<XlsxPrintableSheet>> sheets_;
    DocumentProperties properties_;
};

}  // namespace nubera::sheet
