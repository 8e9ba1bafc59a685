#include "report/sheets/summary_extremes.h"

#include <string>

#include "engine/point_totals.h"
#include "model/point_name.h"
#include "report/sheets/model_sections.h"
#include "report/sheets/result_sheet.h"

namespace nubera::report {
namespace {

constexpr ModelRows kExtremesHeading{1, 2};
constexpr ModelRows kExtremeRow{3, 3};
constexpr ModelRows kConventionsHeading{4, 6};  // gap, heading, the line on x
constexpr ModelRows kSettlementSign{7, 7};
constexpr ModelRows kDisplacementSign{8, 8};

constexpr int kColCaption = 2;  // B (merged to D)
constexpr int kColValue = 5;    // E
constexpr int kColPoint = 6;    // F
constexpr int kColX = 7;        // G

void WriteExtreme(SectionWriter& writer, sheet::Worksheet& summary, const std::string& caption,
                  const std::optional<PointTotal>& extreme, const CalcResults& results) {
    const int row = writer.Paste(kExtremeRow);
    summary.SetText(row, kColCaption, caption);
    if (!extreme) {
        summary.SetText(row, kColValue, "なし");
        return;
    }
    summary.SetNumber(row, kColValue, extreme->value);
    summary.SetText(row, kColPoint, CircledNumber(extreme->point + 1));
    PutValue(summary, row, kColX, results.pointOffsets.at(0).at(extreme->point));
}

}  // namespace

void WriteSummaryExtremes(sheet::Worksheet& summary, const sheet::Worksheet& model,
                          SummaryExtremes kind, const std::vector<std::optional<double>>& totals,
                          const CalcResults& results) {
    SectionWriter writer(summary, model, kSummaryExtremesRow);
    writer.Paste(kExtremesHeading);
    if (kind == SummaryExtremes::Largest) {
        WriteExtreme(writer, summary, "最大沈下量", LargestTotal(totals), results);
    } else {
        const TotalsBySign extremes = LargestTotalsBySign(totals);
        WriteExtreme(writer, summary, "最大側方変位量（＋）", extremes.positive, results);
        WriteExtreme(writer, summary, "最大側方変位量（－）", extremes.negative, results);
    }
    writer.Paste(kConventionsHeading);
    writer.Paste(kind == SummaryExtremes::Largest ? kSettlementSign : kDisplacementSign);
}

}  // namespace nubera::report
