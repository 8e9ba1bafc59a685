#include "cli/results_json.h"

#include "cli/project_calculation.h"
#include "screenrules/run_warnings.h"

namespace nubera::cli {
namespace {

using json = nlohmann::ordered_json;

json CellJson(const Cell& cell) {
    return cell.IsMissing() ? json(nullptr) : json(cell.AsNumber());
}

template <typename Row>
json RowJson(const Row& row) {
    json cells = json::array();
    for (const Cell& cell : row) cells.push_back(CellJson(cell));
    return cells;
}

json DetailJson(const PointDetail& detail) {
    json points = json::array();
    for (const auto& items : detail) points.push_back(RowJson(items));
    return points;
}

json DetailsJson(const std::vector<PointDetail>& details) {
    json rows = json::array();
    for (const PointDetail& detail : details) rows.push_back(DetailJson(detail));
    return rows;
}

}  // namespace

json ResultsJson(const RunSummary& summary) {
    const ProjectData& project = summary.project;
    const CalcResults& results = summary.results;
    const bool surcharge = project.surcharge.has_value();
    const bool lateral = project.alsoLateral;
    json offsets = json::array();
    for (const PointOffsetRow& row : results.pointOffsets) offsets.push_back(RowJson(row));
    return {
        {"alsoLateral", lateral},
        {"placement", summary.placement == Placement::Automatic ? "automatic" : "manual"},
        {"poissonRatio", project.poissonRatio},
        {"excavationWidth", project.excavationWidth},
        {"leveeWidth", project.leveeWidth},
        {"equivalentModulus", results.equivalentModulus},
        {"pointOffsets", offsets},
        {"settlementDetail", DetailsJson(results.settlementDetail)},
        {"surchargeSettlementDetail",
         surcharge ? DetailJson(results.surchargeSettlementDetail) : json(nullptr)},
        {"lateralDetail", lateral ? DetailsJson(results.lateralDetail) : json(nullptr)},
        {"surchargeLateralDetail",
         lateral && surcharge ? DetailJson(results.surchargeLateralDetail) : json(nullptr)},
        {"workbook", summary.workbook ? json(summary.workbook->string()) : json(nullptr)},
        {"pdf", summary.pdf ? json(summary.pdf->string()) : json(nullptr)},
        {"warnings", RunWarnings(project)},
    };
}

std::string JsonLine(const json& value) {
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace nubera::cli
