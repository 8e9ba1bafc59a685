#pragma once

#include "calc_results.h"
#include "fill_mode.h"
#include "project_data.h"
#include "worksheet.h"

namespace nubera {

// As FillSettlementSheet, cell for cell, with the lateral displacement into
// "側方変位量の計算" and "側方変位量のまとめ"; a block's header names the
// loading depth, Poisson's ratio and the centroid instead.
void FillDisplacementSheet(sheet::Worksheet& sheet, const ProjectData& project,
                           const CalcResults& results, FillMode mode, int i, int s);

}  // namespace nubera
