#pragma once

#include "model/project_data.h"
#include "report/text/report_context.h"
#include "spreadsheet/workbook.h"

namespace nubera::report {

// The report's first page: what the calculation is of, the file and run it
// came from, and boxes in which the designer, the checker and the approver
// sign and date it.
inline constexpr const char* kCoverSheet = "表紙";

void WriteCoverSheet(sheet::Workbook& book, const ProjectData& project,
                     const ReportContext& context);

}  // namespace nubera::report
