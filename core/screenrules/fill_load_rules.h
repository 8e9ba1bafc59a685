#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/project_data.h"

namespace nubera {

// The fill-load screen lists at most this many stacked blocks.
inline constexpr std::size_t kMaxFillBlocks = 5;

// "q1".."q5": how fill row `row` is named on the screen, in messages and in
// results.
std::string FillLoadLabel(std::size_t row);

// The surcharge's name beside them.
inline constexpr const char* kSurchargeLabel = "qX";

// One trapezoidal fill block as the fill-load screen lists it: the distance of
// its left toe from the reference point, the slope and crest widths A, B, C,
// the fill height h and extra height hy (all m), their sum, the unit weight
// (kN/m3) and the load intensity (kN/m2).
struct FillBlock {
    double base = 0;
    double a = 0;
    double b = 0;
    double c = 0;
    double h = 0;
    double hy = 0;
    double totalHeight = 0;
    double unitWeight = 0;
    double load = 0;
};

// h + hy, rounded to the 2 decimals it is shown with.
double TotalHeight(double h, double hy);

// Load intensity q = total height x unit weight, rounded to 2 decimals.
double LoadIntensity(double totalHeight, double unitWeight);

// The blocks of a stored table, in row order (top block first).
std::vector<FillBlock> FillBlocksOf(const FillLoadTable& table);

// The table written at commit: the listed values plus the loading width 2a,
// the centre distance from the reference point and the centre offset from the
// top block's centre. With a single block the offset is the text "0", the form
// the project file has always stored it in.
FillLoadTable BuildFillLoadTable(const std::vector<FillBlock>& blocks);

// The surcharge qX (kN/m2) acting on the crest of the top block: its loading
// width is that crest, its offset that of the crest's centre from the top
// block's centre (the text "0" with a single block). blocks must not be empty.
SurchargeTable BuildSurchargeTable(double qx, const std::vector<FillBlock>& blocks);

// A block that does not rest on the crest of the block below it.
struct StackingFailure {
    enum class Field { Base, A };
    std::size_t row;  // the block to load for editing
    Field focus;      // the entry box that gets the focus
    std::string message;
};

// Checks, on values rounded to 2 decimals, that the bottom block starts at the
// reference point and that every other block lies within the crest of the
// block below it (both ends inclusive), from the bottom upwards.
std::optional<StackingFailure> CheckStacking(const std::vector<FillBlock>& blocks);

}  // namespace nubera
