#pragma once

// The shapes of a sheet's drawing read as printing needs them, in the
// drawing's stacking order. Pictures, charts and grouped shapes are not drawn.

#include <pugixml.hpp>
#include <vector>

#include "spreadsheet/drawn_shape.h"
#include "spreadsheet/ooxml/grid/sheet_geometry.h"
#include "spreadsheet/ooxml/styles/theme_colors.h"

namespace nubera::sheet {

// Reads the shapes of an <xdr:wsDr> element.
std::vector<DrawnShape> ReadDrawnShapes(const pugi::xml_node& drawing,
                                        const SheetGeometry& geometry, const ThemeColors& theme);

}  // namespace nubera::sheet
