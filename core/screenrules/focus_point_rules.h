#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "model/point_name.h"
#include "model/project_data.h"

namespace nubera {

// The section coordinates (m) a manual point may take: from the reference
// point (left toe of the bottom block) to the right toe of the bottom block,
// measured from the centre of the top block. Both ends are allowed.
struct PointRange {
    double minimum = 0;
    double maximum = 0;
};

PointRange PointRangeOf(const FillLoadTable& fillLoads);

// "－５．００(m)　～　５．００(m)": both ends "0.00" in full-width characters.
std::string PointRangeText(const PointRange& range);

// The texts of the eleven point boxes.
using PointTexts = std::array<std::string, kPointCount>;

// The outcome of checking the point boxes. `texts` holds the boxes as the
// check leaves them: every numeric entry it passed is rewritten "0.00".
struct PointCheck {
    PointTexts texts;
    bool entered = false;            // some box is not blank
    std::optional<std::size_t> box;  // the box to return to on failure
    std::string message;             // what is wrong with it
};

// Checks the boxes in order: each entry numeric and inside the range, then no
// gaps from ① onwards and values not decreasing. Stops at the first failure.
PointCheck CheckFocusPoints(const PointTexts& texts, const PointRange& range);

// The list written at commit: a slot per box, missing when the box is blank,
// else the box's trimmed text.
FocusPointList BuildFocusPointList(const PointTexts& texts);

}  // namespace nubera
