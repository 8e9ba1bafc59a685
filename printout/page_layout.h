#pragma once

// Which rows and columns of a sheet go on which printed page, as a
// spreadsheet program splits them: manual page breaks first, automatic ones
// where the next row or column no longer fits, print titles repeated on the
// pages after them, the sheet scaled by its percentage or just enough to fit
// the pages it asks for (a fit ignores manual breaks). Lengths in points.

#include <optional>
#include <utility>
#include <vector>

#include "spreadsheet/page_setup.h"

namespace nubera::printout {

// The printed part of a sheet: the sizes of its rows and columns from the
// first printed one on, the manual breaks (the row or column each break
// stands before), and the room the print titles take on the pages after them.
struct PageGrid {
    int firstRow = 1;
    std::vector<double> rowHeights;
    int firstColumn = 1;
    std::vector<double> columnWidths;
    std::vector<int> rowBreaks;
    std::vector<int> columnBreaks;
    double titleHeight = 0;
    double titleWidth = 0;

    int LastRow() const { return firstRow + static_cast<int>(rowHeights.size()) - 1; }
    int LastColumn() const { return firstColumn + static_cast<int>(columnWidths.size()) - 1; }
};

// The rows and columns of one page, sheet numbers inclusive; the print
// titles shown above and left of them, when the page comes after them.
struct PageArea {
    int firstRow = 1;
    int lastRow = 1;
    int firstColumn = 1;
    int lastColumn = 1;
    std::optional<std::pair<int, int>> titleRows;
    std::optional<std::pair<int, int>> titleColumns;

    friend bool operator==(const PageArea&, const PageArea&) = default;
};

struct PageLayout {
    double scale = 1;  // sheet points to paper points
    std::vector<PageArea> pages;
};

// An empty grid prints no page.
PageLayout LayOutPages(const PageGrid& grid, const sheet::PageSetup& setup);

}  // namespace nubera::printout
