#include "engine/strip_load.h"

#include <cmath>

#include "engine/engine_error.h"
#include "engine/engine_message.h"
#include "screenrules/fill_load_rules.h"
#include "text/number_text.h"

namespace nubera {

const std::vector<FillLoad>& RequireFillLoads(const EngineInput& input) {
    if (input.fillLoads.empty()) throw EngineError(kFillLoadsMissing);
    return input.fillLoads;
}

void RequirePlacedPoints(const EngineInput& input, const CalcResults& results) {
    const std::size_t loads = input.fillLoads.size() + (input.surcharge ? 1 : 0);
    if (results.pointOffsets.size() < loads) throw EngineError(kPointsNotPlaced);
}

StripLoad FillStrip(const FillLoad& block, std::size_t row) {
    return {"盛土荷重 " + FillLoadLabel(row), block.load, block.loadingWidth / 2,
            block.centreOffset};
}

StripLoad SurchargeStrip(const Surcharge& surcharge) {
    return {std::string("上載荷重 ") + kSurchargeLabel, surcharge.load, surcharge.loadingWidth / 2,
            surcharge.centreOffset};
}

void ForEachStrip(const EngineInput& input, const CalcResults& results,
                  std::vector<PointDetail>& fillDetails, PointDetail& surchargeDetail,
                  const StripWriter& write) {
    const std::vector<FillLoad>& blocks = RequireFillLoads(input);
    RequirePlacedPoints(input, results);
    const std::size_t F = blocks.size();
    for (std::size_t k = 0; k < F; ++k) {
        fillDetails.resize(k + 1);
        write(FillStrip(blocks[k], k), results.pointOffsets[k], fillDetails[k]);
    }
    if (input.surcharge)
        write(SurchargeStrip(*input.surcharge), results.pointOffsets[F], surchargeDetail);
}

PointLoad PointLoadOf(const StripLoad& load, double em, double x) {
    return {x, em, load.a, load.q, load.centreOffset};
}

PointItems LoadItems(const PointLoad& load) {
    PointItems items{};
    items[point_item::kOffset] = Cell::Number(load.x);
    items[point_item::kModulus] = Cell::Number(load.em);
    items[point_item::kHalfWidth] = Cell::Number(load.a);
    items[point_item::kLoad] = Cell::Number(load.q);
    items[point_item::kCentreOffset] = Cell::Number(load.centreOffset);
    return items;
}

namespace {

// Every number of the items is one the report can show: finite, and not so
// large that its text breaks the columns.
bool AllShown(const PointItems& items) {
    for (const Cell& cell : items) {
        if (cell.IsNumber() && !(std::fabs(std::get<double>(cell.value)) <= kMaxShownMagnitude)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void WritePointDetails(const StripLoad& load, std::string_view quantity,
                       const PointOffsetRow& offsets, PointDetail& detail,
                       const PointFormula& formula) {
    for (std::size_t p = 0; p < kPointCount; ++p) {
        if (offsets[p].IsMissing()) {
            detail[p][point_item::kOffset] = Cell::Missing();
            continue;
        }
        const PointItems items = formula(p, offsets[p].AsNumber());
        if (!AllShown(items)) {
            throw EngineError(CannotComputeAt(kBeyondRangeReason, load.name, p, quantity));
        }
        detail[p] = items;
    }
}

}  // namespace nubera
