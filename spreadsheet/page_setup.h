#pragma once

// How a worksheet asks to be printed: paper, orientation, margins, scaling or
// fit to pages, centring, page order, header and footer, and the print area
// and print titles that the workbook defines for it. Lengths in points.

#include <optional>
#include <string>
#include <utility>

#include "spreadsheet/cell_address.h"

namespace nubera::sheet {

struct PageSetup {
    double paperWidth = 595.28;  // A4, already turned for the orientation
    double paperHeight = 841.89;
    double marginLeft = 50.4;  // 0.7 inch, a spreadsheet program's default
    double marginRight = 50.4;
    double marginTop = 54;
    double marginBottom = 54;
    double headerMargin = 21.6;
    double footerMargin = 21.6;
    int scalePercent = 100;
    bool fitToPage = false;
    int fitToWidth = 1;  // pages; 0: as many as the sheet needs
    int fitToHeight = 1;
    bool centerHorizontally = false;
    bool centerVertically = false;
    bool overThenDown = false;  // page order; down, then over by default
    bool gridLines = false;
    std::optional<int> firstPageNumber;  // nothing: numbered on from the sheet before
    std::string header;                  // the odd pages' header and footer codes (&C&P …)
    std::string footer;
    std::optional<CellRange> printArea;
    std::optional<std::pair<int, int>> titleRows;     // first, last
    std::optional<std::pair<int, int>> titleColumns;  // first, last

    // The paper left inside the margins.
    double PrintableWidth() const { return paperWidth - marginLeft - marginRight; }
    double PrintableHeight() const { return paperHeight - marginTop - marginBottom; }
};

}  // namespace nubera::sheet
