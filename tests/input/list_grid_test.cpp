#include "input/list_grid.h"

#include <gtest/gtest.h>

#include <QHeaderView>

#include "widgets/twips.h"

namespace nubera::input {
namespace {

const QStringList kHeaders{QStringLiteral("    層厚(m)"), QStringLiteral("変形係数Es(kN/㎡)")};

TEST(ListGrid, ColumnsTakeTheirTwipWidthsAndWidenOnlyForTheirHeaders) {
    input::ListGrid grid(2, kHeaders);
    grid.SetColumnWidthsTwips({1215, 1715}, 300);
    const int narrow = widgets::TwipsToPixels(1215, grid);
    EXPECT_EQ(grid.columnWidth(0), narrow);
    EXPECT_EQ(grid.width(), narrow + grid.columnWidth(1) + widgets::TwipsToPixels(300, grid));

    // With a desktop font twice as large the header texts keep their room.
    QFont large = grid.font();
    large.setPointSizeF(large.pointSizeF() * 2);
    input::ListGrid enlarged(2, kHeaders);
    enlarged.setFont(large);
    enlarged.SetColumnWidthsTwips({1215, 1715}, 300);
    for (int column = 0; column < 2; ++column) {
        EXPECT_GE(enlarged.columnWidth(column),
                  enlarged.horizontalHeader()->sectionSizeHint(column));
    }
    EXPECT_GT(enlarged.columnWidth(1), widgets::TwipsToPixels(1715, enlarged));
}

TEST(ListGrid, AListWithoutHeaderKeepsTheTwipWidths) {
    input::ListGrid grid(2, {});
    QFont large = grid.font();
    large.setPointSizeF(large.pointSizeF() * 2);
    grid.setFont(large);
    grid.SetColumnWidthsTwips({1215, 1215}, 20);
    EXPECT_EQ(grid.columnWidth(1), widgets::TwipsToPixels(1215, grid));
}

}  // namespace
}  // namespace nubera::input
