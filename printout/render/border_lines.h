#pragma once

// The border lines of a block of cells, one per cell side, joined where one
// side continues another: the sides of a row of cells draw as one stroke.
// A PDF writer spends more on a stroke than on its length, and a table has
// thousands of sides.

#include <QPointF>
#include <vector>

#include "spreadsheet/cell_format.h"

namespace nubera::printout {

// Which side of its cell a line is: only sides of one kind join, so that a
// side shared by two cells (the right of one, the left of the next) is still
// drawn by each, as before.
enum class CellSide { Left, Right, Top, Bottom };

// Whether a side of that kind runs across the sheet (a top or a bottom).
bool IsHorizontal(CellSide kind);

struct SideLine {
    CellSide kind;
    sheet::BorderSide side;
    QPointF from;
    QPointF to;
};

// `lines` with each run of lines of one kind on one line, of one style and
// colour, solid, each starting where the one before ends, joined into one.
// Lines are drawn over one another where borders meet; when they differ in
// colour, their order decides which shows, so they are left as they are.
std::vector<SideLine> Joined(std::vector<SideLine> lines);

}  // namespace nubera::printout
