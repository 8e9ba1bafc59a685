#pragma once

// What printing reads of one worksheet, worked out by the workbook's reader:
// its print settings, where its rows and columns lie, what each cell shows in
// which format, its merged ranges and its drawn shapes. Rows and columns are
// 1-based; lengths are in points from the sheet's top-left corner.

#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/cell_address.h"
#include "spreadsheet/cell_format.h"
#include "spreadsheet/drawn_shape.h"
#include "spreadsheet/page_setup.h"
#include "spreadsheet/rgb.h"

namespace nubera::sheet {

// A cell's value as its number format shows it.
struct ShownValue {
    std::string text;
    bool number = false;       // numbers align right by default, texts left
    std::optional<Rgb> color;  // from the number format; else the font's
};

class PrintableSheet {
  public:
    virtual ~PrintableSheet() = default;

    virtual const std::string& Name() const = 0;
    // With the print area and print titles the workbook defines for the sheet.
    virtual const PageSetup& Setup() const = 0;

    virtual double ColumnWidth(int column) const = 0;  // 0 for a hidden column
    virtual double RowHeight(int row) const = 0;       // 0 for a hidden row
    virtual double ColumnLeft(int column) const = 0;
    virtual double RowTop(int row) const = 0;
    // The column or row holding a position.
    virtual int ColumnAt(double x) const = 0;
    virtual int RowAt(double y) const = 0;

    // The manual page breaks, each as the row or column it stands before.
    virtual std::vector<int> RowBreaks() const = 0;
    virtual std::vector<int> ColumnBreaks() const = 0;

    // Every cell the sheet holds, shown or only formatted, row by row.
    virtual std::vector<CellAddress> Cells() const = 0;
    // The cell's own format, else its row's, else its column's, else the default.
    virtual const CellFormat& FormatAt(int row, int column) const = 0;
    // Nothing for an empty cell.
    virtual std::optional<ShownValue> Shown(int row, int column) const = 0;
    virtual bool HasValue(int row, int column) const = 0;

    virtual const std::vector<CellRange>& Merges() const = 0;
    // In the drawing's stacking order.
    virtual const std::vector<DrawnShape>& Shapes() const = 0;
};

}  // namespace nubera::sheet
