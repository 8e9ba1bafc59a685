#include "spreadsheet/cell_address.h"

#include <gtest/gtest.h>

namespace nubera::sheet {
namespace {

TEST(CellAddress, ColumnLettersRoundTrip) {
    const std::pair<int, const char*> cases[] = {
        {1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}};
    for (const auto& [number, letters] : cases) {
        EXPECT_EQ(ColumnLetters(number), letters);
        EXPECT_EQ(ColumnNumber(letters), number);
    }
    for (const char* refused : {"", "XFE", "AAAA", "a", "A1"}) {
        EXPECT_FALSE(ColumnNumber(refused)) << refused;
    }
}

TEST(CellAddress, ParsesRangesAndRefusesWhatIsNoAddress) {
    EXPECT_EQ(ParseCellRange("B2:D5"), (CellRange{2, 2, 5, 4}));
    EXPECT_EQ(ParseCellRange("J14"), (CellRange{14, 10, 14, 10}));
    EXPECT_EQ(FormatCellRange({14, 10, 14, 10}), "J14");
    EXPECT_EQ(FormatCellRange({2, 2, 5, 4}), "B2:D5");
    for (const char* refused : {"A0", "A01", "A1048577", "$A$1", "D5:B2", "1A", "A1:"}) {
        EXPECT_FALSE(ParseCellRange(refused)) << refused;
    }
}

// Spans as columns D..H behave when columns are deleted: the cases a
// spreadsheet distinguishes.
TEST(CellAddress, ShrinkSpanFollowsADeletion) {
    struct Case {
        int first, last, deletedFirst, deletedLast;
        std::optional<std::pair<int, int>> expected;
    };
    const Case cases[] = {
        {1, 3, 5, 8, std::pair{1, 3}},   // wholly before
        {9, 10, 5, 8, std::pair{5, 6}},  // wholly after: moves left
        {4, 9, 5, 8, std::pair{4, 5}},   // straddles: shrinks
        {6, 10, 5, 8, std::pair{5, 6}},  // starts inside
        {3, 6, 5, 8, std::pair{3, 4}},   // ends inside
        {5, 8, 5, 8, std::nullopt},      // wholly deleted
        {6, 6, 5, 8, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShrinkSpan(c.first, c.last, c.deletedFirst, c.deletedLast), c.expected)
            << c.first << ".." << c.last;
    }
    EXPECT_EQ(IndexAfterDeletion(10, 5, 8), 6);
    EXPECT_EQ(IndexAfterDeletion(6, 5, 8), 5);
    EXPECT_EQ(IndexAfterDeletion(4, 5, 8), 4);
}

}  // namespace
}  // namespace nubera::sheet
