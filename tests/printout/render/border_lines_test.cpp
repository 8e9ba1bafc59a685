// Cell sides join into one line where one continues the next, and only
// there: each side is still drawn as often, dashes keep their pattern, and
// borders of several colours keep the order that decides which shows.

#include "printout/render/border_lines.h"

#include <gtest/gtest.h>

namespace nubera::printout {
namespace {

using sheet::BorderLine;  // the style of a side

constexpr sheet::BorderSide kThin{BorderLine::Thin, 0x000000};
constexpr sheet::BorderSide kMedium{BorderLine::Medium, 0x000000};
constexpr sheet::BorderSide kDashed{BorderLine::Dashed, 0x000000};
constexpr sheet::BorderSide kRed{BorderLine::Thin, 0xFF0000};

// The bottom side of the cell from x0 to x1 in a row ending at y.
SideLine Bottom(double x0, double x1, double y, sheet::BorderSide side = kThin) {
    return {CellSide::Bottom, side, {x0, y}, {x1, y}};
}

std::vector<std::pair<QPointF, QPointF>> Ends(const std::vector<SideLine>& lines) {
    std::vector<std::pair<QPointF, QPointF>> ends;
    for (const SideLine& line : lines) ends.emplace_back(line.from, line.to);
    return ends;
}

TEST(BorderLines, SidesOfOneKindAndStyleJoinWhereTheyMeetOnOneLine) {
    const auto joined = Joined({Bottom(0, 10, 5), Bottom(10, 30, 5), Bottom(30, 35, 5),
                                Bottom(40, 50, 5),  // a gap: a new line
                                Bottom(50, 60, 5, kMedium), Bottom(0, 10, 9)});
    const std::vector<std::pair<QPointF, QPointF>> expected{
        {{0, 5}, {35, 5}}, {{40, 5}, {50, 5}}, {{50, 5}, {60, 5}}, {{0, 9}, {10, 9}}};
    EXPECT_EQ(Ends(joined), expected);

    // Down a column, in any order the cells were visited.
    const auto column = Joined(
        {{CellSide::Right, kThin, {7, 10}, {7, 20}}, {CellSide::Right, kThin, {7, 0}, {7, 10}}});
    ASSERT_EQ(column.size(), 1u);
    EXPECT_EQ(column[0].from, QPointF(7, 0));
    EXPECT_EQ(column[0].to, QPointF(7, 20));
}

TEST(BorderLines, SharedSidesDashesAndSeveralColoursStayApart) {
    // The bottom of one row and the top of the next lie on one line: both stay.
    const auto shared =
        Joined({Bottom(0, 10, 5), {CellSide::Top, kThin, {10, 5}, {20, 5}}, Bottom(10, 20, 5)});
    EXPECT_EQ(shared.size(), 2u);

    EXPECT_EQ(Joined({Bottom(0, 10, 5, kDashed), Bottom(10, 20, 5, kDashed)}).size(), 2u);

    const std::vector<SideLine> coloured{Bottom(10, 20, 5), Bottom(0, 10, 5, kRed),
                                         Bottom(20, 30, 5)};
    EXPECT_EQ(Ends(Joined(coloured)), Ends(coloured));
}

}  // namespace
}  // namespace nubera::printout
