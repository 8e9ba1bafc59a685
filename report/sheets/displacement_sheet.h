#pragma once

#include "model/calc_results.h"
#include "model/project_data.h"
#include "report/sheets/result_block_kind.h"
#include "spreadsheet/worksheet.h"

namespace nubera::report {

// As WriteSettlementSheet, cell for cell, with the lateral displacement into
// "側方変位量の計算" and "側方変位量のまとめ"; a block's header names the
// loading depth, Poisson's ratio and the centroid instead.
void WriteDisplacementSheet(sheet::Worksheet& sheet, const ProjectData& project,
                            const CalcResults& results, ResultBlockKind mode, int i, int s);

}  // namespace nubera::report
