#include "cli/results_table.h"

#include <iomanip>
#include <ostream>
#include <string>
#include <vector>

#include "screenrules/fill_load_rules.h"
#include "text/number_text.h"

namespace nubera::cli {
namespace {

constexpr int kColumnWidth = 9;

struct LoadColumn {
    std::string label;
    const PointDetail* detail;
};

std::vector<LoadColumn> LoadColumns(const std::vector<PointDetail>& fill,
                                    const PointDetail* surcharge) {
    std::vector<LoadColumn> columns;
    for (std::size_t k = 0; k < fill.size(); ++k) {
        columns.push_back({FillLoadLabel(k), &fill[k]});
    }
    if (surcharge) columns.push_back({kSurchargeLabel, surcharge});
    return columns;
}

std::string Shown(const Cell& cell) {
    return cell.IsMissing() ? "-" : FormatFixed2(cell.AsNumber());
}

void PrintTable(const std::string& title, const std::vector<LoadColumn>& columns,
                const PointOffsetRow& sectionX, std::ostream& out) {
    out << '\n' << title << '\n' << std::setw(5) << "point" << std::setw(kColumnWidth) << "x (m)";
    for (const LoadColumn& column : columns) out << std::setw(kColumnWidth) << column.label;
    out << '\n';
    for (std::size_t p = 0; p < kPointCount; ++p) {
        out << std::setw(5) << p + 1 << std::setw(kColumnWidth) << Shown(sectionX[p]);
        for (const LoadColumn& column : columns) {
            const auto& items = (*column.detail)[p];
            out << std::setw(kColumnWidth)
                << (items[point_item::kOffset].IsMissing() ? "-"
                                                           : Shown(items[point_item::kResult]));
        }
        out << '\n';
    }
}

}  // namespace

void PrintResultsTable(const RunSummary& summary, std::ostream& out) {
    const ProjectData& project = summary.project;
    const CalcResults& results = summary.results;
    const bool surcharge = project.surcharge.has_value();
    out << "換算変形係数 Em: " << FormatFixed2(results.equivalentModulus) << " kN/m2\n"
        << "着目点: " << (summary.placement == Placement::Automatic ? "自動設定" : "手動設定")
        << '\n';
    if (project.alsoLateral) out << "ﾎﾟｱｿﾝ比: " << FormatFixed2(project.poissonRatio) << '\n';
    if (summary.workbook) out << "計算結果: " << summary.workbook->string() << '\n';
    if (summary.pdf) out << "PDF: " << summary.pdf->string() << '\n';
    // Offsets from the centre of fill row 0 are the points' section coordinates.
    const PointOffsetRow& sectionX = results.pointOffsets.at(0);
    PrintTable("即時沈下量 (cm)",
               LoadColumns(results.settlementDetail,
                           surcharge ? &results.surchargeSettlementDetail : nullptr),
               sectionX, out);
    if (project.alsoLateral) {
        PrintTable("側方変位量 (cm)",
                   LoadColumns(results.lateralDetail,
                               surcharge ? &results.surchargeLateralDetail : nullptr),
                   sectionX, out);
    }
}

}  // namespace nubera::cli
