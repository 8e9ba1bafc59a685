#pragma once

// Draws the printed pages of a workbook: each page's cells and shapes placed
// inside its margins at its scale (centred when the sheet asks), the print
// titles repeated, the header and footer. The painter counts points from the
// paper's top-left corner.

#include <QPainter>

#include "printout/render/print_fonts.h"
#include "printout/workbook_printout.h"

namespace nubera::printout {

class PagePainter {
  public:
    PagePainter(QPainter& painter, const WorkbookPrintout& printout);

    // Draws page `index` (0-based) of the printout.
    void Paint(int index);

  private:
    struct Region;
    void PaintRegion(const SheetPrintout& sheet, const Region& region, double scale);
    void PaintHeaderFooter(const PrintedPage& page);

    QPainter& painter_;
    const WorkbookPrintout& printout_;
    PrintFonts fonts_;
};

}  // namespace nubera::printout
