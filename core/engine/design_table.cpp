#include "engine/design_table.h"

#include "model/point_name.h"
#include "text/number_text.h"

namespace nubera {
namespace {

constexpr const char* kSettlementHeading = "即時沈下量";
constexpr const char* kLateralHeading = "側方変位量";

std::string Shown(std::optional<double> value) {
    return value ? FormatFixed2(*value) : std::string();
}

// A difference keeps its sign, so that more and less read at a glance.
std::string ShownDifference(std::optional<double> value) {
    if (!value) return {};
    const std::string text = FormatFixed2(*value);
    return text.front() == '-' || text == "0.00" ? text : "+" + text;
}

void AddTotal(DesignTable& table, const char* heading, const QuantityAtPoints& quantity) {
    table.headers.push_back(std::string(heading) + "\n合計");
    for (std::size_t k = 0; k < kPointCount; ++k) table.rows[k].push_back(Shown(quantity[k].total));
}

void AddEachLoad(DesignTable& table, const char* heading, const DesignResults& results,
                 const QuantityAtPoints& quantity) {
    for (const std::string& label : results.loadLabels) {
        table.headers.push_back(std::string(heading) + "\n" + label);
    }
    for (std::size_t k = 0; k < kPointCount; ++k) {
        const PointValues& point = quantity[k];
        for (std::size_t i = 0; i < results.loadLabels.size(); ++i) {
            table.rows[k].push_back(i < point.loads.size() ? Shown(point.loads[i]) : "");
        }
    }
}

std::optional<double> TotalAt(const std::optional<QuantityAtPoints>& quantity, std::size_t k) {
    return quantity ? (*quantity)[k].total : std::nullopt;
}

void AddComparedQuantity(DesignTable& table, const char* heading,
                         const std::optional<QuantityAtPoints>& now,
                         const std::optional<QuantityAtPoints>& kept) {
    for (const char* column : {"\n合計", "\n保持", "\n差"}) {
        table.headers.push_back(std::string(heading) + column);
    }
    for (std::size_t k = 0; k < kPointCount; ++k) {
        const auto a = TotalAt(now, k);
        const auto b = TotalAt(kept, k);
        table.rows[k].insert(table.rows[k].end(),
                             {Shown(a), Shown(b), ShownDifference(Difference(a, b))});
    }
}

}  // namespace

std::optional<double> Difference(std::optional<double> now, std::optional<double> kept) {
    if (!now || !kept) return std::nullopt;
    return *now - *kept;
}

DesignTable MakeDesignTable(const DesignResults& current, const DesignResults* kept) {
    DesignTable table;
    table.headers = {"着目点", "x (m)"};
    table.rows.resize(kPointCount);
    for (std::size_t k = 0; k < kPointCount; ++k) {
        table.rows[k] = {CircledNumber(k + 1), Shown(current.x[k])};
    }
    if (!kept) {
        // The totals first, where a narrow window still shows them; each
        // load's share after them.
        AddTotal(table, kSettlementHeading, current.settlement);
        if (current.lateral) AddTotal(table, kLateralHeading, *current.lateral);
        AddEachLoad(table, kSettlementHeading, current, current.settlement);
        if (current.lateral) AddEachLoad(table, kLateralHeading, current, *current.lateral);
        return table;
    }
    table.headers.push_back("x (m)\n保持");
    for (std::size_t k = 0; k < kPointCount; ++k) table.rows[k].push_back(Shown(kept->x[k]));
    AddComparedQuantity(table, kSettlementHeading, current.settlement, kept->settlement);
    if (current.lateral || kept->lateral) {
        AddComparedQuantity(table, kLateralHeading, current.lateral, kept->lateral);
    }
    return table;
}

std::string ModulusLine(const DesignResults& current, const DesignResults* kept) {
    std::string line = "Em = " + FormatFixed2(current.equivalentModulus) + " kN/m2";
    if (kept) {
        line += "（保持 " + FormatFixed2(kept->equivalentModulus) + "、差 " +
                ShownDifference(current.equivalentModulus - kept->equivalentModulus) + "）";
    }
    return line;
}

}  // namespace nubera
