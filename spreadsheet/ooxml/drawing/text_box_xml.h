#pragma once

// Text boxes added to a sheet's drawing: a shape (xdr:sp) marked as a text
// box, without fill or outline, at an absolute position.

#include <pugixml.hpp>

#include "spreadsheet/worksheet.h"

namespace nubera::sheet {

// Appends the box in an <xdr:absoluteAnchor> to <xdr:wsDr>, as object `id`.
// Throws SpreadsheetError when the box lies off the sheet.
void AppendTextBoxAnchor(pugi::xml_node drawing, const TextBox& box, int id);

}  // namespace nubera::sheet
