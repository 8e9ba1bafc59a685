#pragma once

// The attributes without a prefix that the elements of a package may carry,
// for the elements that readers map to objects field by field (the content
// types, the relationships, the workbook, its styles, shared strings and
// sheets, and the shapes of its drawings). Such a reader refuses an element
// with any other attribute, or with a value its field cannot take, where our
// own reader passes over what it does not use.

#include <string_view>
#include <vector>

#include "spreadsheet/ooxml/package/checks/attribute_value.h"

namespace nubera::sheet {

inline constexpr std::string_view kSpreadsheetNamespace =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr std::string_view kDrawingNamespace =
    "http://schemas.openxmlformats.org/drawingml/2006/main";
inline constexpr std::string_view kSheetDrawingNamespace =
    "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing";
inline constexpr std::string_view kContentTypesNamespace =
    "http://schemas.openxmlformats.org/package/2006/content-types";
inline constexpr std::string_view kPackageRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";

// The attributes `element` of namespace `ns` may carry; nothing when the
// element is not one whose attributes are known.
const std::vector<AttributeRule>* KnownAttributes(std::string_view ns, std::string_view element);

// Whether such an element holds text of its own (a cell value, a formula, a
// run's text); the others hold only elements, and a reader that maps them
// finds nothing it knows in text.
bool HoldsText(std::string_view ns, std::string_view element);

}  // namespace nubera::sheet
