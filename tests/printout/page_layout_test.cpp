#include "printout/page_layout.h"

#include <gtest/gtest.h>

namespace nubera::printout {
namespace {

// A4 portrait with 1-inch margins all round: 451.28 × 697.89 points of sheet.
sheet::PageSetup Paper() {
    sheet::PageSetup setup;
    setup.marginLeft = setup.marginRight = setup.marginTop = setup.marginBottom = 72;
    return setup;
}

PageGrid Grid(int rows, double height, int columns, double width) {
    PageGrid grid;
    grid.rowHeights.assign(static_cast<std::size_t>(rows), height);
    grid.columnWidths.assign(static_cast<std::size_t>(columns), width);
    return grid;
}

PageArea Area(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    return {firstRow, lastRow, firstColumn, lastColumn, std::nullopt, std::nullopt};
}

TEST(PageLayout, RowsRunOnUntilTheNextOneNoLongerFits) {
    // 697.89 / 20 holds 34 rows.
    const PageLayout layout = LayOutPages(Grid(80, 20, 3, 50), Paper());
    EXPECT_EQ(layout.scale, 1);
    EXPECT_EQ(layout.pages,
              (std::vector{Area(1, 34, 1, 3), Area(35, 68, 1, 3), Area(69, 80, 1, 3)}));
}

TEST(PageLayout, ManualBreaksStartPagesAndAutomaticOnesFollowThem) {
    PageGrid grid = Grid(80, 20, 3, 50);
    grid.rowBreaks = {10, 80, 200};  // 200 lies beyond the sheet
    const PageLayout layout = LayOutPages(grid, Paper());
    EXPECT_EQ(layout.pages, (std::vector{Area(1, 9, 1, 3), Area(10, 43, 1, 3), Area(44, 77, 1, 3),
                                         Area(78, 79, 1, 3), Area(80, 80, 1, 3)}));
}

TEST(PageLayout, ARowTallerThanAPageGetsAPageOfItsOwn) {
    PageGrid grid = Grid(3, 20, 1, 50);
    grid.rowHeights[1] = 900;
    EXPECT_EQ(LayOutPages(grid, Paper()).pages,
              (std::vector{Area(1, 1, 1, 1), Area(2, 2, 1, 1), Area(3, 3, 1, 1)}));
}

TEST(PageLayout, ColumnsSplitDownThenOverOrOverThenDown) {
    // 451.28 / 100 holds 4 columns; 697.89 / 400 one row.
    PageGrid grid = Grid(2, 400, 6, 100);
    sheet::PageSetup setup = Paper();
    const std::vector downThenOver{Area(1, 1, 1, 4), Area(2, 2, 1, 4), Area(1, 1, 5, 6),
                                   Area(2, 2, 5, 6)};
    EXPECT_EQ(LayOutPages(grid, setup).pages, downThenOver);
    setup.overThenDown = true;
    const std::vector overThenDown{Area(1, 1, 1, 4), Area(1, 1, 5, 6), Area(2, 2, 1, 4),
                                   Area(2, 2, 5, 6)};
    EXPECT_EQ(LayOutPages(grid, setup).pages, overThenDown);
}

TEST(PageLayout, TheScaleShrinksWhatAPageHolds) {
    sheet::PageSetup setup = Paper();
    setup.scalePercent = 50;  // 1395.78 points of sheet: 69 rows of 20
    const PageLayout layout = LayOutPages(Grid(80, 20, 3, 50), setup);
    EXPECT_EQ(layout.scale, 0.5);
    EXPECT_EQ(layout.pages, (std::vector{Area(1, 69, 1, 3), Area(70, 80, 1, 3)}));
}

TEST(PageLayout, FitToOnePageTakesTheLargestWholePercentAndIgnoresManualBreaks) {
    PageGrid grid = Grid(10, 20, 5, 100);  // 500 wide: 451.28 / 500 is 90.3 %
    grid.rowBreaks = {5};
    sheet::PageSetup setup = Paper();
    setup.fitToPage = true;
    const PageLayout layout = LayOutPages(grid, setup);
    EXPECT_DOUBLE_EQ(layout.scale, 0.90);
    EXPECT_EQ(layout.pages, std::vector{Area(1, 10, 1, 5)});
}

TEST(PageLayout, FitNeverEnlargesAndAnUnboundedHeightLetsRowsRunOnKeepingTheirBreaks) {
    sheet::PageSetup setup = Paper();
    setup.fitToPage = true;
    EXPECT_EQ(LayOutPages(Grid(3, 20, 2, 50), setup).scale, 1);
    setup.fitToHeight = 0;  // one page wide, as many pages tall as needed
    PageGrid grid = Grid(80, 20, 5, 100);
    grid.columnBreaks = {3};  // the bounded width ignores its breaks
    const PageLayout layout = LayOutPages(grid, setup);
    EXPECT_DOUBLE_EQ(layout.scale, 0.90);
    EXPECT_EQ(layout.pages.size(), 3u);  // 775.4 points of sheet hold 38 rows
    EXPECT_EQ(layout.pages[0], Area(1, 38, 1, 5));

    grid.rowBreaks = {30};
    const PageLayout broken = LayOutPages(grid, setup);
    ASSERT_EQ(broken.pages.size(), 3u);
    EXPECT_EQ(broken.pages[0], Area(1, 29, 1, 5));
    EXPECT_EQ(broken.pages[1], Area(30, 67, 1, 5));
}

TEST(PageLayout, PrintTitlesAreRepeatedOnTheLaterPagesAndTakeTheirRoom) {
    PageGrid grid = Grid(80, 20, 3, 50);
    grid.titleHeight = 40;  // rows 1 and 2
    sheet::PageSetup setup = Paper();
    setup.titleRows = std::pair{1, 2};
    const PageLayout layout = LayOutPages(grid, setup);
    ASSERT_EQ(layout.pages.size(), 3u);
    EXPECT_EQ(layout.pages[0], Area(1, 34, 1, 3));  // the titles print where they are
    PageArea second = Area(35, 66, 1, 3);           // 32 rows below the two titles
    second.titleRows = std::pair{1, 2};
    EXPECT_EQ(layout.pages[1], second);
    EXPECT_EQ(layout.pages[2].firstRow, 67);
}

TEST(PageLayout, AnEmptyGridPrintsNothing) {
    EXPECT_TRUE(LayOutPages(PageGrid{}, Paper()).pages.empty());
}

}  // namespace
}  // namespace nubera::printout
