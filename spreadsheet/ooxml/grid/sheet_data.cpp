#include "spreadsheet/ooxml/grid/sheet_data.h"

#include <algorithm>

#include "spreadsheet/ooxml/formulas/formula_references.h"

namespace nubera::sheet {

const GridCell* SheetData::FindCell(int row, int column) const {
    const auto foundRow = rows.find(row);
    if (foundRow == rows.end()) return nullptr;
    const auto found = foundRow->second.cells.find(column);
    return found == foundRow->second.cells.end() ? nullptr : &found->second;
}

GridCell& SheetData::CellAt(int row, int column) {
    return rows[row].cells[column];
}

void SheetData::PasteRows(const SheetData& source, int first, int last, int target) {
    const int offset = target - first;
    std::vector<std::pair<int, Row>> copied;
    for (auto it = source.rows.lower_bound(first); it != source.rows.end() && it->first <= last;
         ++it) {
        Row row = it->second;
        for (auto& [column, cell] : row.cells) {
            if (!cell.formula.empty()) cell.formula = MoveFormula(cell.formula, offset, 0);
        }
        copied.emplace_back(it->first + offset, std::move(row));
    }
    std::vector<CellRange> copiedMerges;
    for (CellRange merge : source.merges) {
        if (merge.firstRow < first || merge.lastRow > last) continue;
        merge.firstRow += offset;
        merge.lastRow += offset;
        copiedMerges.push_back(merge);
    }
    const int targetLast = last + offset;
    rows.erase(rows.lower_bound(target), rows.upper_bound(targetLast));
    std::erase_if(merges, [&](const CellRange& merge) {
        return merge.firstRow <= targetLast && merge.lastRow >= target;
    });
    for (auto& [number, row] : copied) rows.emplace(number, std::move(row));
    merges.insert(merges.end(), copiedMerges.begin(), copiedMerges.end());
}

void SheetData::DeleteColumns(int first, int last) {
    const int count = last - first + 1;
    for (auto& [number, row] : rows) {
        std::map<int, GridCell> kept;
        for (auto& [column, cell] : row.cells) {
            if (column < first) kept.emplace(column, std::move(cell));
            if (column > last) kept.emplace(column - count, std::move(cell));
        }
        row.cells = std::move(kept);
    }
    std::erase_if(columns, [&](ColumnFormat& format) {
        const auto span = ShrinkSpan(format.min, format.max, first, last);
        if (span) std::tie(format.min, format.max) = *span;
        return !span;
    });
    std::erase_if(merges, [&](CellRange& merge) {
        const auto span = ShrinkSpan(merge.firstColumn, merge.lastColumn, first, last);
        if (span) std::tie(merge.firstColumn, merge.lastColumn) = *span;
        return !span || (merge.firstColumn == merge.lastColumn && merge.firstRow == merge.lastRow);
    });
}

bool SheetData::AddRowBreak(int beforeRow) {
    const auto at = std::lower_bound(
        rowBreaks.begin(), rowBreaks.end(), beforeRow,
        [](const RowBreak& rowBreak, int row) { return rowBreak.beforeRow < row; });
    if (at != rowBreaks.end() && at->beforeRow == beforeRow) return false;
    rowBreaks.insert(at, RowBreak{beforeRow, true});
    return true;
}

void SheetData::RewriteFormulas(const std::function<std::string(const std::string&)>& rewrite) {
    for (auto& [number, row] : rows) {
        for (auto& [column, cell] : row.cells) {
            if (!cell.formula.empty()) cell.formula = rewrite(cell.formula);
        }
    }
}

std::optional<CellRange> SheetData::UsedRange() const {
    std::optional<CellRange> used;
    for (const auto& [number, row] : rows) {
        if (row.cells.empty()) continue;
        const int firstColumn = row.cells.begin()->first;
        const int lastColumn = row.cells.rbegin()->first;
        if (!used) {
            used = CellRange{number, firstColumn, number, lastColumn};
            continue;
        }
        used->lastRow = number;
        used->firstColumn = std::min(used->firstColumn, firstColumn);
        used->lastColumn = std::max(used->lastColumn, lastColumn);
    }
    return used;
}

}  // namespace nubera::sheet
