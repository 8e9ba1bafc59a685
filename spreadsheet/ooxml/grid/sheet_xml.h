#pragma once

// Moves the grid of a worksheet between its XML (sheetData, cols,
// mergeCells, rowBreaks, dimension) and the model's SheetData; every other
// element of the worksheet (views, page setup, print options) stays as read.

#include <functional>
#include <optional>
#include <pugixml.hpp>
#include <string_view>

#include "spreadsheet/ooxml/formulas/formula_evaluator.h"
#include "spreadsheet/ooxml/grid/sheet_data.h"

namespace nubera::sheet {

class SharedStrings;

// Reads the grid out of the <worksheet> element and empties its <sheetData>.
// Inline texts join the shared strings. Shared formulas are expanded into one
// formula per cell. Throws SpreadsheetError naming the sheet and the cell for
// an address it cannot read.
SheetData ReadSheetGrid(pugi::xml_node worksheet, SharedStrings& strings,
                        std::string_view sheetName);

// The value to store with a formula: nothing when it must be left to the reader.
using FormulaResults = std::function<std::optional<FormulaValue>(int row, int column)>;

// Writes the grid into the <worksheet> element, each element at its place in
// the schema's order, removed when it would be empty.
void WriteSheetGrid(pugi::xml_node worksheet, const SheetData& data, const FormulaResults& results);

// The ranges that sheet elements outside the grid cover (conditional
// formats, data validations, hyperlinks) and their formulas follow the
// deletion of columns first..last; an element whose ranges are all deleted goes.
void RangesAfterColumnDeletion(pugi::xml_node worksheet, std::string_view sheetName, int first,
                               int last);

// The child `name` of <worksheet>, inserted at its place in the schema's
// element order when missing.
pugi::xml_node PlaceWorksheetElement(pugi::xml_node worksheet, const char* name);

}  // namespace nubera::sheet
