#pragma once

// A1-style addresses of the spreadsheet grid. Rows and columns are 1-based.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace nubera::sheet {

inline constexpr int kMaxRow = 1048576;
inline constexpr int kMaxColumn = 16384;  // column XFD

// "A" → 1, "XFD" → 16384 (upper case only); nothing for anything else.
std::optional<int> ColumnNumber(std::string_view letters);
std::string ColumnLetters(int column);
// "12" → 12, up to kMaxRow; nothing for anything else (a leading zero included).
std::optional<int> RowNumber(std::string_view digits);

bool IsValidCell(int row, int column);

struct CellAddress {
    int row = 0;
    int column = 0;
};

// "B12" → row 12, column 2; nothing for anything else ("$" markers included).
std::optional<CellAddress> ParseCellAddress(std::string_view a1);
std::string FormatCellAddress(int row, int column);

struct CellRange {
    int firstRow = 0;
    int firstColumn = 0;
    int lastRow = 0;
    int lastColumn = 0;

    bool Contains(int row, int column) const {
        return firstRow <= row && row <= lastRow && firstColumn <= column && column <= lastColumn;
    }

    friend bool operator==(const CellRange&, const CellRange&) = default;
};

// "A1:C3" or a single cell "B2".
std::optional<CellRange> ParseCellRange(std::string_view text);
std::string FormatCellRange(const CellRange& range);

// What remains of the span first..last (of rows or columns) once the span
// deletedFirst..deletedLast is removed and what follows it closes the gap:
// the ends move back by the deleted count or are clipped to the gap. Nothing
// when the whole span was deleted.
std::optional<std::pair<int, int>> ShrinkSpan(int first, int last, int deletedFirst,
                                              int deletedLast);

// Where index `at` of a row or column lands once deletedFirst..deletedLast is
// removed; an index inside the deleted span lands on the gap (deletedFirst).
int IndexAfterDeletion(int at, int deletedFirst, int deletedLast);

}  // namespace nubera::sheet
