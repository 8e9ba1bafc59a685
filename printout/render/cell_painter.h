#pragma once

// Draws the cells of one block of a sheet's rows and columns: fills, grid
// lines when the sheet prints them, texts in their fonts and alignment
// (spilling into empty neighbours as a spreadsheet program lets them), and
// borders. The painter draws in the sheet's points.

#include <QPainter>
#include <QRectF>
#include <optional>
#include <vector>

#include "printout/render/print_fonts.h"
#include "printout/sheet_printout.h"

namespace nubera::printout {

// Where a range of cells lies on the sheet, in points.
QRectF RangeRect(const SheetPrintout& sheet, const sheet::CellRange& range);

class CellPainter {
  public:
    CellPainter(QPainter& painter, PrintFonts& fonts, const SheetPrintout& sheet,
                const sheet::CellRange& block);

    void Paint();

  private:
    QRectF CellRect(int row, int column) const;
    const sheet::CellFormat& Format(int row, int column) const;
    // What a cell draws: its own box and format, or those of the merged
    // range it lies in when it is the range's first cell within the block.
    struct Drawn {
        QRectF box;
        const sheet::CellFormat* format;
        int row;  // the cell holding the value
        int column;
        bool merged;
    };
    // Nothing for the other cells of a merged range.
    std::optional<Drawn> DrawnAt(int row, int column) const;

    void PaintFills();
    void PaintGridLines();
    void PaintTexts();
    void PaintText(int row, int column);
    void PaintBorders();
    // How far a text that is too wide may spill over empty neighbours.
    QRectF SpillRect(int row, int column, Qt::Alignment alignment, double textWidth) const;

    QPainter& painter_;
    PrintFonts& fonts_;
    const SheetPrintout& sheet_;
    sheet::CellRange block_;
    std::vector<const sheet::CellFormat*> formats_;  // by row, then column, within the block
};

}  // namespace nubera::printout
