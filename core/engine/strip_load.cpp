#include "engine/strip_load.h"

#include <cmath>

#include "engine/engine_error.h"
#include "engine/engine_message.h"
#include "screenrules/fill_load_rules.h"

namespace nubera {

const FillLoadTable& RequireFillLoads(const ProjectData& project) {
    if (!project.fillLoads || project.fillLoads->RowCount() == 0) {
        throw EngineError(kFillLoadsMissing);
    }
    return *project.fillLoads;
}

void RequirePlacedPoints(const ProjectData& project, const CalcResults& results) {
    const std::size_t loads = project.fillLoads->RowCount() + (project.surcharge ? 1 : 0);
    if (results.pointOffsets.size() < loads) throw EngineError(kPointsNotPlaced);
}

StripLoad FillStrip(const FillLoadTable& fillLoads, std::size_t row) {
    return {"盛土荷重 " + FillLoadLabel(row), fillLoads.Number(fill_column::kLoad, row),
            fillLoads.Number(fill_column::kLoadingWidth, row) / 2,
            fillLoads.Number(fill_column::kCentreOffset, row)};
}

StripLoad SurchargeStrip(const SurchargeTable& surcharge) {
    return {std::string("上載荷重 ") + kSurchargeLabel,
            surcharge.Number(surcharge_column::kLoad, 0),
            surcharge.Number(surcharge_column::kLoadingWidth, 0) / 2,
            surcharge.Number(surcharge_column::kCentreOffset, 0)};
}

PointItems LoadItems(const StripLoad& load, double em) {
    PointItems items{};
    items[point_item::kModulus] = Cell::Number(em);
    items[point_item::kHalfWidth] = Cell::Number(load.a);
    items[point_item::kLoad] = Cell::Number(load.q);
    items[point_item::kCentreOffset] = Cell::Number(load.centreOffset);
    return items;
}

namespace {

bool AllFinite(const PointItems& items) {
    for (const Cell& cell : items) {
        if (cell.IsNumber() && !std::isfinite(std::get<double>(cell.value))) return false;
    }
    return true;
}

}  // namespace

void FillPointDetails(const StripLoad& load, std::string_view quantity,
                      const PointOffsetRow& offsets, PointDetail& detail,
                      const PointFormula& formula) {
    for (std::size_t p = 0; p < kPointCount; ++p) {
        if (offsets[p].IsMissing()) {
            detail[p][point_item::kOffset] = Cell::Missing();
            continue;
        }
        PointItems items = formula(p, offsets[p].AsNumber());
        items[point_item::kOffset] = offsets[p];
        if (!AllFinite(items)) {
            throw EngineError(CannotComputeAt(kBeyondRangeReason, load.name, p, quantity));
        }
        detail[p] = items;
    }
}

}  // namespace nubera
