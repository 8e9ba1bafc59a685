#include "report/sheets/result_sheet.h"

#include <cmath>
#include <string>

#include "report/text/report_text.h"

namespace nubera::report {
namespace {

// Columns of a block's point rows.
constexpr int kColTitle = 1;      // A
constexpr int kColPoint = 2;      // B
constexpr int kColOffset = 3;     // C
constexpr int kColFirstLoad = 4;  // D: offset from the centre of load block 1
constexpr int kColEm = 5;         // E
constexpr int kColHalfWidth = 6;  // F
constexpr int kColLoad = 7;       // G
constexpr int kColResult = 8;     // H

// Columns of the summary.
constexpr int kSumColPosition = 3;   // C
constexpr int kSumColSurcharge = 9;  // I
constexpr int kSumColTotal = 10;     // J
constexpr int kSumFirstRow = 4;      // point 0

// Point rows start below the title rows and the column headings.
constexpr int kPointRowOffset = 3;

void WriteTitle(sheet::Worksheet& sheet, ResultBlockKind mode, int i, int r) {
    if (mode == ResultBlockKind::LoadBlock) {
        sheet.SetText(r, kColTitle, "分布荷重：ｑ" + FullWidthDigits(i + 1));
    } else {
        sheet.SetText(r, kColTitle, "分布荷重：ｑＸ");
        sheet.SetText(r + 1, kColTitle, "（上載荷重）");
    }
}

void FillBlock(sheet::Worksheet& sheet, const ProjectData& project, const ResultKind& kind,
               ResultBlockKind mode, int i, int r) {
    const bool surcharge = mode == ResultBlockKind::SurchargeBlock;
    const PointDetail& detail = surcharge ? kind.surcharge : kind.loadBlocks.at(i);
    // Every block, the surcharge's too, shows the offsets from the centre of q1.
    const PointDetail& firstLoad = kind.loadBlocks.at(0);
    WriteTitle(sheet, mode, i, r);
    kind.writeBlockHeader(sheet, r, detail, project);
    for (std::size_t k = 0; k < kPointCount; ++k) {
        const auto& point = detail[k];
        if (point[point_item::kOffset].IsMissing()) {
            continue;  // the row keeps the model's contents
        }
        const int row = r + kPointRowOffset + static_cast<int>(k);
        sheet.SetText(row, kColPoint, CircledNumber(k + 1));
        PutValue(sheet, row, kColOffset, point[point_item::kOffset]);
        PutValue(sheet, row, kColFirstLoad, firstLoad[k][point_item::kOffset]);
        PutValue(sheet, row, kColEm, point[point_item::kModulus]);
        PutValue(sheet, row, kColHalfWidth, point[point_item::kHalfWidth]);
        PutValue(sheet, row, kColLoad, point[point_item::kLoad]);
        PutValue(sheet, row, kColResult, point[point_item::kResult]);
    }
}

void FillSummaryRow(sheet::Worksheet& sheet, const ProjectData& project, const ResultKind& kind,
                    std::size_t b) {
    const int row = kSumFirstRow + static_cast<int>(b);
    const Cell& position = kind.loadBlocks.at(0)[b][point_item::kOffset];
    PutValue(sheet, row, kSumColPosition, position);
    if (position.IsMissing()) {
        sheet.ClearContents(row, kSumColTotal);
    } else {
        sheet.SetText(row, kColPoint, CircledNumber(b + 1));
    }
    const std::size_t loadBlocks = project.fillLoads->RowCount();
    for (std::size_t i = 0; i < loadBlocks; ++i) {
        PutValue(sheet, row, kColFirstLoad + static_cast<int>(i),
                 kind.loadBlocks.at(i)[b][point_item::kResult]);
    }
    if (project.surcharge) {
        PutValue(sheet, row, kSumColSurcharge, kind.surcharge[b][point_item::kResult]);
    }
}

void CaptionLegend(sheet::Worksheet& sheet, const CalcResults& results, const ResultKind& kind) {
    for (std::size_t k = 0; k < kPointCount; ++k) {
        sheet.SetLabelCaption("LBL_X" + std::to_string(k),
                              FormatOrBlank(kind.loadBlocks.at(0)[k][point_item::kOffset]));
    }
    for (std::size_t k = 0; k < kPointCount; ++k) {
        const bool placed =
            !results.pointOffsets.empty() && !results.pointOffsets[0][k].IsMissing();
        sheet.SetLabelCaption("LBL_XP" + std::to_string(k),
                              placed ? CircledNumber(k + 1) : std::string());
    }
}

void FillSummary(sheet::Worksheet& sheet, const ProjectData& project, const CalcResults& results,
                 const ResultKind& kind) {
    for (std::size_t b = 0; b < kPointCount; ++b) {
        FillSummaryRow(sheet, project, kind, b);
    }
    CaptionLegend(sheet, results, kind);
}

}  // namespace

void WriteResultSheet(sheet::Worksheet& sheet, const ProjectData& project,
                      const CalcResults& results, const ResultKind& kind, ResultBlockKind mode,
                      int i, int s) {
    if (mode == ResultBlockKind::Summary) {
        FillSummary(sheet, project, results, kind);
    } else {
        FillBlock(sheet, project, kind, mode, i, BlockFirstRow(i, s));
    }
}

Cell LoadItem(const PointDetail& detail, std::size_t item) {
    for (const auto& point : detail) {
        if (!point[point_item::kOffset].IsMissing()) {
            return point[item];
        }
    }
    return Cell::Missing();
}

void PutValue(sheet::Worksheet& sheet, int row, int column, const Cell& value) {
    const double number = value.AsNumber();
    if (value.IsMissing() || !std::isfinite(number)) {
        sheet.ClearContents(row, column);
    } else {
        sheet.SetNumber(row, column, number);
    }
}

}  // namespace nubera::report
