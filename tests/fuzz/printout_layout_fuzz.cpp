// A workbook (any bytes) laid out in printed pages, every sheet of it: the
// reader refuses it with a SpreadsheetError, or every page covers rows and
// columns in order at a finite, positive scale and lands on its paper.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "printout/workbook_printout.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/spreadsheet_error.h"
#include "spreadsheet/workbook.h"
#include "tests/fuzz/fuzz_input_file.h"

namespace {

using nubera::fuzz::Require;
using nubera::printout::PageArea;

void RequireSound(const nubera::printout::PrintedPage& page) {
    const PageArea& area = *page.area;
    Require(area.firstRow >= 1 && area.firstRow <= area.lastRow);
    Require(area.firstColumn >= 1 && area.firstColumn <= area.lastColumn);
    const auto& layout = page.sheet->Layout();
    Require(std::isfinite(layout.scale) && layout.scale > 0);
    const auto placement = page.sheet->Placement(area);
    Require(std::isfinite(placement.left) && std::isfinite(placement.top) &&
            std::isfinite(placement.bodyLeft) && std::isfinite(placement.bodyTop));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const nubera::fuzz::FuzzInputFile input(data, size);
    try {
        const std::vector<std::string> names =
            nubera::sheet::OpenWorkbook(input.Path())->SheetNames();
        const nubera::printout::WorkbookPrintout printout(input.Path(), names);
        for (int index = 0; index < printout.PageCount(); ++index)
            RequireSound(printout.Page(index));
    } catch (const nubera::sheet::SpreadsheetError&) {
        return 0;
    }
    return 0;
}
