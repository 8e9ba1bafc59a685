#include "report/sheets/displacement_sheet.h"

#include "report/sheets/result_sheet.h"
#include "report/text/report_text.h"
#include "text/number_text.h"

namespace nubera::report {
namespace {

void WriteDisplacementHeader(sheet::Worksheet& sheet, int r, const PointDetail& detail,
                             const ProjectData& project) {
    sheet.SetText(
        r, kColHeaderLeft,
        "載荷奥行 = " + FormatOrBlank(LoadItem(detail, lateral_item::kHalfExcavation)) + "m");
    sheet.SetText(r, kColHeaderRight, "ﾎﾟｱｿﾝ比 = " + FormatNumber(project.poissonRatio));
    sheet.SetText(r + 1, kColHeaderRight,
                  "重心位置 = " + FormatOrBlank(LoadItem(detail, point_item::kCentreOffset)) + "m");
}

}  // namespace

void WriteDisplacementSheet(sheet::Worksheet& sheet, const ProjectData& project,
                            const CalcResults& results, ResultBlockKind mode, int i, int s) {
    const ResultKind kind{results.lateralDetail, results.surchargeLateralDetail,
                          WriteDisplacementHeader};
    WriteResultSheet(sheet, project, results, kind, mode, i, s);
}

}  // namespace nubera::report
