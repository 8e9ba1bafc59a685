#pragma once

#include "model/calc_results.h"
#include "model/project_data.h"
#include "report/sheets/result_block_kind.h"
#include "spreadsheet/worksheet.h"

namespace nubera::report {

// Writes the immediate settlement of a run into "即時沈下量の計算" (mode
// LoadBlock: load block i; SurchargeBlock: the surcharge, i = number of load
// blocks; the block starts at row BlockFirstRow(i, s), already pasted from the
// model) or into the summary "即時沈下量のまとめ" (mode Summary, i and s
// unused). Throws sheet::SpreadsheetError when a label is missing.
void WriteSettlementSheet(sheet::Worksheet& sheet, const ProjectData& project,
                          const CalcResults& results, ResultBlockKind mode, int i, int s);

}  // namespace nubera::report
