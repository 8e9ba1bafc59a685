#pragma once

// Straight lines of a sheet's drawing: written as connector shapes
// (xdr:cxnSp) at an absolute position, read back from any anchor.
//
// Each dash style is written as its preset dash; the sheet's default as
// none. Palette colours are written as their RGB; without one the line takes
// the theme's text colour.

#include <optional>
#include <pugixml.hpp>

#include "spreadsheet/ooxml/grid/sheet_geometry.h"
#include "spreadsheet/worksheet.h"

namespace nubera::sheet {

// Appends the line in an <xdr:absoluteAnchor> to <xdr:wsDr>, as object `id`.
// Throws SpreadsheetError for a dash style or colour it does not know.
void AppendLineAnchor(pugi::xml_node drawing, const LineShape& line, int id);

// The line an anchor holds; nothing when it holds something else.
std::optional<LineShape> ReadLineShape(const pugi::xml_node& anchor, const SheetGeometry& geometry);

}  // namespace nubera::sheet
