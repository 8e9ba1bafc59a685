#include "report/sheets/settlement_sheet.h"

#include "report/sheets/result_sheet.h"
#include "report/text/report_text.h"

namespace nubera::report {
namespace {

void WriteSettlementHeader(sheet::Worksheet& sheet, int r, const PointDetail& detail,
                           const ProjectData&) {
    sheet.SetText(r, kColHeaderLeft,
                  "H = " + FormatOrBlank(LoadItem(detail, settlement_item::kDepth)) + "m");
    sheet.SetText(r, kColHeaderRight,
                  "重心位置 = " + FormatOrBlank(LoadItem(detail, point_item::kCentreOffset)) + "m");
}

}  // namespace

void WriteSettlementSheet(sheet::Worksheet& sheet, const ProjectData& project,
                          const CalcResults& results, ResultBlockKind mode, int i, int s) {
    const ResultKind kind{results.settlementDetail, results.surchargeSettlementDetail,
                          WriteSettlementHeader};
    WriteResultSheet(sheet, project, results, kind, mode, i, s);
}

}  // namespace nubera::report
