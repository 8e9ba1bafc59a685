#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "model/calc_results.h"
#include "model/project_data.h"

namespace nubera {

// One load as the settlement and displacement formulas see it: a uniform
// strip of intensity q (kN/m2) and width 2a (m) whose centre lies
// centreOffset (m) from the centre of fill row 0.
struct StripLoad {
    std::string name;  // "盛土荷重 q1".."盛土荷重 q5" or "上載荷重 qX", for messages
    double q = 0;
    double a = 0;
    double centreOffset = 0;
};

// The fill loads of a run; throws EngineError (kFillLoadsMissing) when there are none.
const FillLoadTable& RequireFillLoads(const ProjectData& project);

// After RequireFillLoads: throws EngineError (kPointsNotPlaced) unless results
// hold the point offsets of every load, the fill rows and the surcharge.
void RequirePlacedPoints(const ProjectData& project, const CalcResults& results);

StripLoad FillStrip(const FillLoadTable& fillLoads, std::size_t row);
StripLoad SurchargeStrip(const SurchargeTable& surcharge);

using PointItems = std::array<Cell, point_item::kCount>;

// The items every formula starts from: Em and the load's own a, q and centre
// offset; the offset item is left for FillPointDetails.
PointItems LoadItems(const StripLoad& load, double em);

// The detail items of one placed point at signed offset x (m) from the load's
// centre. May throw EngineError for input the formula cannot take.
using PointFormula = std::function<PointItems(std::size_t point, double x)>;

// Writes the items of every point of one load into `detail`: an empty point
// slot gets only item 0 = missing (its other items keep what they held); a
// placed point gets item 0 = its offset cell and the formula's items 1..12.
// Results that are not finite throw EngineError naming the load and point,
// before anything of that point is written.
void FillPointDetails(const StripLoad& load, std::string_view quantity,
                      const PointOffsetRow& offsets, PointDetail& detail,
                      const PointFormula& formula);

}  // namespace nubera
