#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_input.h"
#include "model/calc_results.h"

namespace nubera {

// One load as the settlement and displacement formulas see it: a uniform
// strip of intensity q (kN/m2) and width 2a (m) whose centre lies
// centreOffset (m) from the centre of the top fill tier.
struct StripLoad {
    std::string name;  // "盛土荷重 q1".."盛土荷重 q5" or "上載荷重 qX", for messages
    double q = 0;
    double a = 0;
    double centreOffset = 0;
};

// The fill blocks of a run; throws EngineError (kFillLoadsMissing) when there are none.
const std::vector<FillLoad>& RequireFillLoads(const EngineInput& input);

// Throws EngineError (kPointsNotPlaced) unless results hold the point offsets
// of every load, the fill blocks and the surcharge.
void RequirePlacedPoints(const EngineInput& input, const CalcResults& results);

// Fill block `row` (0 for the top tier) and the surcharge as strips.
StripLoad FillStrip(const FillLoad& block, std::size_t row);
StripLoad SurchargeStrip(const Surcharge& surcharge);

// Where one load's detail rows go, beside the offsets of its points.
using StripWriter =
    std::function<void(const StripLoad& load, const PointOffsetRow& offsets, PointDetail& detail)>;

// Calls write for every fill block, top tier first, then for the surcharge
// when there is one; fillDetails grows as each block is reached, so a refusal
// leaves the earlier blocks' rows in place and no row for the later ones.
void ForEachStrip(const EngineInput& input, const CalcResults& results,
                  std::vector<PointDetail>& fillDetails, PointDetail& surchargeDetail,
                  const StripWriter& write);

// What every point's items start with: the point's signed offset x (m) from
// the load's centre, and Em and the load as the formula took them.
struct PointLoad {
    double x = 0;
    double em = 0;            // kN/m2
    double a = 0;             // m
    double q = 0;             // kN/m2
    double centreOffset = 0;  // m
};

PointLoad PointLoadOf(const StripLoad& load, double em, double x);

using PointItems = std::array<Cell, point_item::kCount>;

// Items 0 to 4 of a point's detail row; the others are left missing.
PointItems LoadItems(const PointLoad& load);

// The detail items of one placed point at signed offset x (m) from the load's
// centre. May throw EngineError for input the formula cannot take.
using PointFormula = std::function<PointItems(std::size_t point, double x)>;

// Writes the items of every point of one load into `detail`: an empty point
// slot gets only item 0 = missing (its other items keep what they held); a
// placed point gets the formula's items. Results that are not finite or
// beyond kMaxShownMagnitude throw EngineError naming the load and point,
// before anything of that point is written.
void WritePointDetails(const StripLoad& load, std::string_view quantity,
                       const PointOffsetRow& offsets, PointDetail& detail,
                       const PointFormula& formula);

}  // namespace nubera
