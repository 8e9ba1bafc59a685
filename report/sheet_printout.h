#pragma once

// One worksheet prepared for printing: what it prints (its print area, or
// every cell that shows something and every shape), how that falls on pages,
// where each row and column lies, and what each cell shows in which format.

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "cell_formats.h"
#include "drawn_shapes.h"
#include "number_format.h"
#include "page_layout.h"
#include "page_setup.h"
#include "shared_strings.h"
#include "xlsx_worksheet.h"

namespace nubera::sheet {

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

// A cell's value as its number format shows it.
struct ShownValue {
    std::string text;
    bool number = false;       // numbers align right by default, texts left
    std::optional<Rgb> color;  // from the number format; else the font's
};

class SheetPrintout {
  public:
    // What the sheets of one workbook share.
    struct Shared {
        const CellFormats& formats;
        const ThemeColors& theme;
        const SharedStrings& strings;
        const pugi::xml_node workbook;  // the <workbook> element (defined names)
    };

    // `sheetIndex` is the sheet's position in the workbook (0-based).
    SheetPrintout(const XlsxWorksheet& sheet, int sheetIndex, const Shared& shared);

    const std::string& Name() const { return sheet_.Name(); }
    const PageSetup& Setup() const { return setup_; }
    const PageLayout& Layout() const { return layout_; }

    // Positions in points from the sheet's top-left corner, for rows and
    // columns up to one past the last printed.
    double ColumnLeft(int column) const;
    double RowTop(int row) const;

    // Inside the margins, centred when the sheet asks for it.
    PagePlacement Placement(const PageArea& page) const;
    // Where a point of the sheet lands on the paper of `page`.
    std::pair<double, double> OnPaper(const PageArea& page, double x, double y) const;

    const CellFormat& FormatAt(int row, int column) const;
    // Nothing for an empty cell.
    std::optional<ShownValue> Shown(int row, int column) const;
    bool HasValue(int row, int column) const;

    const std::vector<CellRange>& Merges() const { return sheet_.Data().merges; }
    // The merged range holding the cell; nullptr when it is in none.
    const CellRange* MergeAt(int row, int column) const;
    const std::vector<DrawnShape>& Shapes() const { return shapes_; }

  private:
    // Row and column 0 when the sheet prints nothing.
    CellRange PrintRange() const;
    void Measure(int lastRow, int lastColumn);
    PageGrid Grid(const CellRange& range) const;
    // The extent of columns first..last, or of rows first..last, in points.
    double Width(int firstColumn, int lastColumn) const;
    double Height(int firstRow, int lastRow) const;

    const XlsxWorksheet& sheet_;
    const Shared& shared_;
    SheetGeometry geometry_;
    PageSetup setup_;
    std::vector<DrawnShape> shapes_;
    std::vector<double> rowTops_;      // [row − 1], one past the last measured
    std::vector<double> columnLefts_;  // [column − 1]
    PageLayout layout_;
};

}  // namespace nubera::sheet
