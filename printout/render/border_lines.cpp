#include "printout/render/border_lines.h"

#include <algorithm>
#include <tuple>

namespace nubera::printout {
namespace {

// The coordinate a line keeps, and the one it runs along from and to.
double Across(const SideLine& line) {
    return IsHorizontal(line.kind) ? line.from.y() : line.from.x();
}
double Start(const SideLine& line) {
    return IsHorizontal(line.kind) ? line.from.x() : line.from.y();
}
double End(const SideLine& line) {
    return IsHorizontal(line.kind) ? line.to.x() : line.to.y();
}

// A dashed line's pattern starts again at each line; a joined one would
// shift it.
bool Solid(sheet::BorderLine line) {
    switch (line) {
        case sheet::BorderLine::Hair:
        case sheet::BorderLine::Thin:
        case sheet::BorderLine::Medium:
        case sheet::BorderLine::Thick:
        case sheet::BorderLine::Double:
            return true;
        default:
            return false;
    }
}

bool OneColour(const std::vector<SideLine>& lines) {
    return std::all_of(lines.begin(), lines.end(), [&](const SideLine& line) {
        return line.side.color == lines.front().side.color;
    });
}

bool Continues(const SideLine& run, const SideLine& next) {
    return next.kind == run.kind && Across(next) == Across(run) &&
           next.side.line == run.side.line && next.side.color == run.side.color &&
           Solid(run.side.line) && Start(next) == End(run);
}

}  // namespace

bool IsHorizontal(CellSide kind) {
    return kind == CellSide::Top || kind == CellSide::Bottom;
}

std::vector<SideLine> Joined(std::vector<SideLine> lines) {
    if (lines.empty() || !OneColour(lines)) return lines;
    std::stable_sort(lines.begin(), lines.end(), [](const SideLine& a, const SideLine& b) {
        return std::tuple(a.kind, Across(a), Start(a)) < std::tuple(b.kind, Across(b), Start(b));
    });
    std::vector<SideLine> joined;
    for (const SideLine& line : lines) {
        if (!joined.empty() && Continues(joined.back(), line)) {
            joined.back().to = line.to;
        } else {
            joined.push_back(line);
        }
    }
    return joined;
}

}  // namespace nubera::printout
