#pragma once

// A worksheet's print settings read from its XML, and the print area and
// print titles the workbook part defines for it.

#include <pugixml.hpp>
#include <utility>

#include "spreadsheet/page_setup.h"

namespace nubera::sheet {

// The paper of a paperSize code in points (portrait); A4 for codes it does not know.
std::pair<double, double> PaperSize(int code);

// Reads the <worksheet> element's print settings.
PageSetup ReadPageSetup(const pugi::xml_node& worksheet);

// Adds the print area and print titles that the <workbook> element defines
// for the sheet at `sheetIndex` (0-based, as localSheetId counts).
void ReadPrintNames(const pugi::xml_node& workbook, int sheetIndex, PageSetup& setup);

}  // namespace nubera::sheet
