#pragma once

// A worksheet of an Office Open XML workbook as printing reads it: its print
// settings and drawn shapes read from its XML, its grid measured and its cells
// shown through the workbook's styles and shared strings.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "spreadsheet/ooxml/grid/shared_strings.h"
#include "spreadsheet/ooxml/grid/sheet_geometry.h"
#include "spreadsheet/ooxml/styles/cell_formats.h"
#include "spreadsheet/ooxml/styles/theme_colors.h"
#include "spreadsheet/ooxml/xlsx_worksheet.h"
#include "spreadsheet/printable_sheet.h"

namespace nubera::sheet {

class XlsxPrintableSheet final : public PrintableSheet {
  public:
    // What the sheets of one workbook share.
    struct Shared {
        const CellFormats& formats;
        const ThemeColors& theme;
        const SharedStrings& strings;
        const pugi::xml_node workbook;  // the <workbook> element (defined names)
    };

    // `sheetIndex` is the sheet's position in the workbook (0-based).
    XlsxPrintableSheet(const XlsxWorksheet& sheet, int sheetIndex, const Shared& shared);

    const std::string& Name() const override { return sheet_.Name(); }
    const PageSetup& Setup() const override { return setup_; }

    double ColumnWidth(int column) const override { return geometry_.ColumnWidth(column); }
    double RowHeight(int row) const override { return geometry_.RowHeight(row); }
    double ColumnLeft(int column) const override { return geometry_.ColumnLeft(column); }
    double RowTop(int row) const override { return geometry_.RowTop(row); }
    int ColumnAt(double x) const override { return geometry_.ColumnAt(x).index; }
    int RowAt(double y) const override { return geometry_.RowAt(y).index; }

    std::vector<int> RowBreaks() const override;
    std::vector<int> ColumnBreaks() const override;

    std::vector<CellAddress> Cells() const override;
    const CellFormat& FormatAt(int row, int column) const override;
    std::optional<ShownValue> Shown(int row, int column) const override;
    bool HasValue(int row, int column) const override;

    const std::vector<CellRange>& Merges() const override { return sheet_.Data().merges; }
    const std::vector<DrawnShape>& Shapes() const override { return shapes_; }

  private:
    const XlsxWorksheet& sheet_;
    const Shared& shared_;
    SheetGeometry geometry_;
    PageSetup setup_;
    std::vector<DrawnShape> shapes_;
};

}  // namespace nubera::sheet
