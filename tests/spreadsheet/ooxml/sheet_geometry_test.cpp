#include "spreadsheet/ooxml/grid/sheet_geometry.h"

#include <gtest/gtest.h>

#include "spreadsheet/cell_address.h"

namespace nubera::sheet {
namespace {

// Rows of the default height, row 2 of its own height, row 5 hidden and
// row 7 of its own height without one given: positions fall into the row
// that covers them, a run of default rows passed at once.
TEST(SheetGeometry, RowAtFindsTheRowAcrossDefaultOwnAndHiddenRows) {
    std::map<int, Row> rows;
    rows[2].height = 30;
    rows[5].hidden = true;
    rows[7];
    SheetDefaults defaults;
    defaults.rowHeight = 15;
    const SheetGeometry geometry({}, rows, defaults, 7);
    const auto at = [&](double y) {
        const SheetGeometry::Place place = geometry.RowAt(y);
        return std::pair(place.index, place.offset);
    };
    EXPECT_EQ(at(-3), std::pair(1, 0.0));
    EXPECT_EQ(at(14.5), std::pair(1, 14.5));
    EXPECT_EQ(at(15), std::pair(2, 0.0));
    EXPECT_EQ(at(44.5), std::pair(2, 29.5));
    EXPECT_EQ(at(45), std::pair(3, 0.0));
    EXPECT_EQ(at(74), std::pair(4, 14.0));
    EXPECT_EQ(at(75), std::pair(6, 0.0));  // the hidden row 5 has no height
    EXPECT_EQ(at(75 + 15 * 100 + 1), std::pair(106, 1.0));
    for (double y = 0; y < 400; y += 0.25) {
        EXPECT_NEAR(geometry.RowTop(geometry.RowAt(y).index) + geometry.RowAt(y).offset, y, 1e-9);
    }
    EXPECT_EQ(geometry.RowAt(1e12).index, kMaxRow);
}

}  // namespace
}  // namespace nubera::sheet
