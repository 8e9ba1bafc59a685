#pragma once

#include "spreadsheet/workbook.h"

namespace nubera::report {

// The sheet that states how every number of the report is computed, and the
// model it is built of (the model goes before the workbook is saved).
inline constexpr const char* kMethodSheet = "計算方法";
inline constexpr const char* kMethodModelSheet = "計算方法雛形";

// Builds the method sheet: symbols, Em, the settlement, the lateral
// displacement when it was computed, superposition and rounding, the
// assumptions and the signs, these last on a page of their own.
void WriteMethodSheet(sheet::Workbook& book, bool alsoLateral);

}  // namespace nubera::report
