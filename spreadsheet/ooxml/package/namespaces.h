#pragma once

// The XML namespaces of the parts of a workbook package.

#include <string_view>

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

}  // namespace nubera::sheet
