#pragma once

// One worksheet prepared for printing: what it prints (its print area, or
// every cell that shows something and every shape), how that falls on pages,
// where each row and column lies, and what each cell shows in which format.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "printout/page_layout.h"
#include "spreadsheet/printable_sheet.h"

namespace nubera::printout {

// Where a page's cells lie on its paper, in points: the corner of the print
// titles (the body's corner when the page repeats none) and of the body, the
// page's own first row and column.
struct PagePlacement {
    double scale = 1;
    double left = 0;
    double top = 0;
    double bodyLeft = 0;
    double bodyTop = 0;
};

class SheetPrintout {
  public:
    explicit SheetPrintout(const sheet::PrintableSheet& sheet);

    const std::string& Name() const { return sheet_.Name(); }
    const sheet::PageSetup& Setup() const { return sheet_.Setup(); }
    const PageLayout& Layout() const { return layout_; }

    // Positions in points from the sheet's top-left corner, for rows and
    // columns up to one past the last printed.
    double ColumnLeft(int column) const;
    double RowTop(int row) const;

    // Inside the margins, centred when the sheet asks for it.
    PagePlacement Placement(const PageArea& page) const;
    // Where a point of the sheet lands on the paper of `page`.
    std::pair<double, double> OnPaper(const PageArea& page, double x, double y) const;

    const sheet::CellFormat& FormatAt(int row, int column) const {
        return sheet_.FormatAt(row, column);
    }
    // Nothing for an empty cell.
    std::optional<sheet::ShownValue> Shown(int row, int column) const {
        return sheet_.Shown(row, column);
    }
    bool HasValue(int row, int column) const { return sheet_.HasValue(row, column); }

    const std::vector<sheet::CellRange>& Merges() const { return sheet_.Merges(); }
    // The merged range holding the cell; nullptr when it is in none.
    const sheet::CellRange* MergeAt(int row, int column) const;
    const std::vector<sheet::DrawnShape>& Shapes() const { return sheet_.Shapes(); }

  private:
    // Row and column 0 when the sheet prints nothing.
    sheet::CellRange PrintRange() const;
    void Measure(int lastRow, int lastColumn);
    PageGrid Grid(const sheet::CellRange& range) const;
    // The extent of columns first..last, or of rows first..last, in points.
    double Width(int firstColumn, int lastColumn) const;
    double Height(int firstRow, int lastRow) const;

    const sheet::PrintableSheet& sheet_;
    std::vector<double> rowTops_;      // [row − 1], one past the last measured
    std::vector<double> columnLefts_;  // [column − 1]
    PageLayout layout_;
};

}  // namespace nubera::printout
