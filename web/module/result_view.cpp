#include "web/module/result_view.h"

#include <array>
#include <string>
#include <vector>

#include "engine/design_results.h"
#include "engine/design_table.h"
#include "model/point_name.h"
#include "screenrules/fill_load_rules.h"
#include "screenrules/run_warnings.h"
#include "text/number_text.h"

namespace nubera::web {
namespace {

using json = nlohmann::ordered_json;

// A cell as the screens' lists show it: lengths and loads "0.00", empty
// where the file left it out.
std::string CellText(const Cell& cell) {
    return cell.IsMissing() ? std::string() : FormatFixed2(cell.AsNumber());
}

json Table(const char* title, std::vector<std::string> headers,
           std::vector<std::vector<std::string>> rows) {
    return {{"title", title}, {"headers", std::move(headers)}, {"rows", std::move(rows)}};
}

json SoilLayersJson(const SoilLayerTable& layers) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t r = 0; r < layers.RowCount(); ++r) {
        const Cell& modulus = layers.At(soil_column::kModulus, r);
        rows.push_back({std::to_string(r + 1), CellText(layers.At(soil_column::kThickness, r)),
                        CellText(layers.At(soil_column::kDepth, r)),
                        modulus.IsMissing() ? std::string() : FormatNumber(modulus.AsNumber())});
    }
    return Table("土質条件", {"層", "層厚(m)", "深度(m)", "変形係数Es(kN/㎡)"}, std::move(rows));
}

// The fill-load screen's list: its columns in its order.
json FillLoadsJson(const FillLoadTable& fill) {
    constexpr std::array<std::size_t, 9> kColumns{
        fill_column::kToeDistance, fill_column::kLeftSlope,  fill_column::kCrest,
        fill_column::kRightSlope,  fill_column::kHeight,     fill_column::kExtraHeight,
        fill_column::kTotalHeight, fill_column::kUnitWeight, fill_column::kLoad};
    std::vector<std::vector<std::string>> rows;
    for (std::size_t r = 0; r < fill.RowCount(); ++r) {
        std::vector<std::string> row{FillLoadLabel(r)};
        for (const std::size_t column : kColumns) row.push_back(CellText(fill.At(column, r)));
        rows.push_back(std::move(row));
    }
    return Table(
        "盛土荷重",
        {"q:分布荷重", "基準点距離(m)", "A:法面幅１(m)", "B:天端幅(m)", "C:法面幅２(m)",
         "h:盛土高(m)", "hy:余盛高(m)", "合計高(m)", "土の単位重量(kN/m³)", "盛土荷重(kN/㎡)"},
        std::move(rows));
}

json SurchargeJson(const SurchargeTable& surcharge) {
    return Table("上載荷重", {"荷重", "上載荷重(kN/㎡)"},
                 {{kSurchargeLabel, CellText(surcharge.At(surcharge_column::kLoad, 0))}});
}

json FocusPointsJson(const FocusPointList& points) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t k = 0; k < kPointCount; ++k) {
        if (!points[k].IsMissing()) rows.push_back({CircledNumber(k + 1), CellText(points[k])});
    }
    return Table("着目点手動設定", {"着目点", "位置(m)"}, std::move(rows));
}

json Lines(const cli::ComputedProject& computed) {
    const ProjectData& project = computed.project;
    json lines = json::array();
    lines.push_back({"開削幅(m)", FormatFixed2(project.excavationWidth)});
    lines.push_back({"堤体幅(m)", FormatFixed2(project.leveeWidth)});
    lines.push_back(
        {"処理", project.alsoLateral ? "側方変位量の計算も行う" : "即時沈下量のみ計算する"});
    if (project.alsoLateral) lines.push_back({"ﾎﾟｱｿﾝ比", FormatFixed2(project.poissonRatio)});
    lines.push_back(
        {"着目点", computed.placement == Placement::Automatic ? "自動設定" : "手動設定"});
    return lines;
}

json Description(const ProjectDescription& description) {
    json fields = json::array();
    for (const DescriptionField& field : DescriptionFields()) {
        const std::string& value = description.*field.member;
        if (!value.empty()) fields.push_back({field.key, value});
    }
    return fields;
}

json Plot(const DesignResults& design) {
    const auto values = [](const QuantityAtPoints& quantity) {
        json totals = json::array();
        for (const PointValues& point : quantity)
            totals.push_back(point.total ? json(*point.total) : json());
        return totals;
    };
    json x = json::array();
    for (const auto& position : design.x) x.push_back(position ? json(*position) : json());
    return {{"x", x},
            {"settlement", values(design.settlement)},
            {"lateral", design.lateral ? values(*design.lateral) : json()}};
}

}  // namespace

json ResultView(const cli::ComputedProject& computed) {
    const ProjectData& project = computed.project;
    json tables = json::array();
    if (project.soilLayers) tables.push_back(SoilLayersJson(*project.soilLayers));
    if (project.fillLoads) tables.push_back(FillLoadsJson(*project.fillLoads));
    if (project.surcharge) tables.push_back(SurchargeJson(*project.surcharge));
    if (computed.placement == Placement::Manual && project.focusPoints) {
        tables.push_back(FocusPointsJson(*project.focusPoints));
    }
    const DesignResults design =
        ComputeDesignResults(project, computed.placement, FormatFixed2(project.poissonRatio));
    const DesignTable points = MakeDesignTable(design, nullptr);
    return {{"description", Description(project.description)},
            {"lines", Lines(computed)},
            {"tables", tables},
            {"modulus", ModulusLine(design, nullptr)},
            {"points", {{"headers", points.headers}, {"rows", points.rows}}},
            {"warnings", RunWarnings(project)},
            {"plot", Plot(design)}};
}

}  // namespace nubera::web
