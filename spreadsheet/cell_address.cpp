#include "spreadsheet/cell_address.h"

#include <charconv>

namespace nubera::sheet {

std::optional<int> ColumnNumber(std::string_view letters) {
    if (letters.empty() || letters.size() > 3) return std::nullopt;
    int column = 0;
    for (char c : letters) {
        if (c < 'A' || c > 'Z') return std::nullopt;
        column = column * 26 + (c - 'A' + 1);
    }
    if (column > kMaxColumn) return std::nullopt;
    return column;
}

std::string ColumnLetters(int column) {
    std::string letters;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return letters;
}

std::optional<int> RowNumber(std::string_view digits) {
    if (digits.empty() || digits.front() == '0') return std::nullopt;
    int row = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), row);
    if (error != std::errc() || end != digits.data() + digits.size() || row > kMaxRow) {
        return std::nullopt;
    }
    return row;
}

bool IsValidCell(int row, int column) {
    return row >= 1 && row <= kMaxRow && column >= 1 && column <= kMaxColumn;
}

std::optional<CellAddress> ParseCellAddress(std::string_view a1) {
    std::size_t split = 0;
    while (split < a1.size() && a1[split] >= 'A' && a1[split] <= 'Z') ++split;
    const auto column = ColumnNumber(a1.substr(0, split));
    const auto row = RowNumber(a1.substr(split));
    if (!column || !row) return std::nullopt;
    return CellAddress{*row, *column};
}

std::string FormatCellAddress(int row, int column) {
    return ColumnLetters(column) + std::to_string(row);
}

std::optional<CellRange> ParseCellRange(std::string_view text) {
    const std::size_t colon = text.find(':');
    const auto first = ParseCellAddress(text.substr(0, colon));
    const auto last =
        colon == std::string_view::npos ? first : ParseCellAddress(text.substr(colon + 1));
    if (!first || !last || first->row > last->row || first->column > last->column) {
        return std::nullopt;
    }
    return CellRange{first->row, first->column, last->row, last->column};
}

std::string FormatCellRange(const CellRange& range) {
    std::string text = FormatCellAddress(range.firstRow, range.firstColumn);
    if (range.lastRow != range.firstRow || range.lastColumn != range.firstColumn) {
        text += ':' + FormatCellAddress(range.lastRow, range.lastColumn);
    }
    return text;
}

std::optional<std::pair<int, int>> ShrinkSpan(int first, int last, int deletedFirst,
                                              int deletedLast) {
    if (first >= deletedFirst && last <= deletedLast) return std::nullopt;
    const int count = deletedLast - deletedFirst + 1;
    const int newFirst = first < deletedFirst  ? first
                         : first > deletedLast ? first - count
                                               : deletedFirst;
    const int newLast = last < deletedFirst  ? last
                        : last > deletedLast ? last - count
                                             : deletedFirst - 1;
    return std::pair{newFirst, newLast};
}

int IndexAfterDeletion(int at, int deletedFirst, int deletedLast) {
    if (at < deletedFirst) return at;
    if (at > deletedLast) return at - (deletedLast - deletedFirst + 1);
    return deletedFirst;
}

}  // namespace nubera::sheet
