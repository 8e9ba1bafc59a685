#include "printout/sheet_printout.h"

#include <algorithm>

namespace nubera::printout {
namespace {

// A shape edge lying exactly on a grid line does not reach into the next cell.
constexpr double kEdgeInset = 0.01;  // points

void Extend(sheet::CellRange& range, int row, int column) {
    range.lastRow = std::max(range.lastRow, row);
    range.lastColumn = std::max(range.lastColumn, column);
}

}  // namespace

SheetPrintout::SheetPrintout(const sheet::PrintableSheet& sheet) : sheet_(sheet) {
    const sheet::PageSetup& setup = Setup();
    const sheet::CellRange range = PrintRange();
    if (range.lastRow == 0) return;  // nothing to print
    int lastRow = range.lastRow;
    int lastColumn = range.lastColumn;
    if (setup.titleRows) lastRow = std::max(lastRow, setup.titleRows->second);
    if (setup.titleColumns) lastColumn = std::max(lastColumn, setup.titleColumns->second);
    Measure(lastRow, lastColumn);
    layout_ = LayOutPages(Grid(range), setup);
}

// The print area, or from A1 to the last cell that shows a value, a border
// or a fill and the last shape, whichever reaches further.
sheet::CellRange SheetPrintout::PrintRange() const {
    if (Setup().printArea) return *Setup().printArea;
    sheet::CellRange range{1, 1, 0, 0};
    for (const sheet::CellAddress& cell : sheet_.Cells()) {
        const sheet::CellFormat& format = FormatAt(cell.row, cell.column);
        if (HasValue(cell.row, cell.column) || format.HasBorder() || format.fill) {
            Extend(range, cell.row, cell.column);
        }
    }
    for (const sheet::CellRange& merge : Merges()) {
        if (HasValue(merge.firstRow, merge.firstColumn)) {
            Extend(range, merge.lastRow, merge.lastColumn);
        }
    }
    for (const sheet::DrawnShape& shape : Shapes()) {
        const double right = shape.rect.left + std::max(shape.rect.width - kEdgeInset, 0.0);
        const double bottom = shape.rect.top + std::max(shape.rect.height - kEdgeInset, 0.0);
        Extend(range, sheet_.RowAt(bottom), sheet_.ColumnAt(right));
    }
    if (range.lastRow == 0 || range.lastColumn == 0) range.lastRow = range.lastColumn = 0;
    return range;
}

void SheetPrintout::Measure(int lastRow, int lastColumn) {
    rowTops_.assign(1, 0.0);
    for (int row = 1; row <= lastRow; ++row) {
        rowTops_.push_back(rowTops_.back() + sheet_.RowHeight(row));
    }
    columnLefts_.assign(1, 0.0);
    for (int column = 1; column <= lastColumn; ++column) {
        columnLefts_.push_back(columnLefts_.back() + sheet_.ColumnWidth(column));
    }
}

PageGrid SheetPrintout::Grid(const sheet::CellRange& range) const {
    PageGrid grid;
    grid.firstRow = range.firstRow;
    grid.firstColumn = range.firstColumn;
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        grid.rowHeights.push_back(Height(row, row));
    }
    for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
        grid.columnWidths.push_back(Width(column, column));
    }
    grid.rowBreaks = sheet_.RowBreaks();
    grid.columnBreaks = sheet_.ColumnBreaks();
    if (const auto& titles = Setup().titleRows) {
        grid.titleHeight = Height(titles->first, titles->second);
    }
    if (const auto& titles = Setup().titleColumns) {
        grid.titleWidth = Width(titles->first, titles->second);
    }
    return grid;
}

double SheetPrintout::Width(int firstColumn, int lastColumn) const {
    return ColumnLeft(lastColumn + 1) - ColumnLeft(firstColumn);
}

double SheetPrintout::Height(int firstRow, int lastRow) const {
    return RowTop(lastRow + 1) - RowTop(firstRow);
}

double SheetPrintout::ColumnLeft(int column) const {
    const auto index = static_cast<std::size_t>(column - 1);
    return index < columnLefts_.size() ? columnLefts_[index] : sheet_.ColumnLeft(column);
}

double SheetPrintout::RowTop(int row) const {
    const auto index = static_cast<std::size_t>(row - 1);
    return index < rowTops_.size() ? rowTops_[index] : sheet_.RowTop(row);
}

PagePlacement SheetPrintout::Placement(const PageArea& page) const {
    PagePlacement placement;
    placement.scale = layout_.scale;
    const auto& columnTitles = page.titleColumns;
    const auto& rowTitles = page.titleRows;
    const double titleWidth = columnTitles ? Width(columnTitles->first, columnTitles->second) : 0;
    const double titleHeight = rowTitles ? Height(rowTitles->first, rowTitles->second) : 0;
    const double width = (titleWidth + Width(page.firstColumn, page.lastColumn)) * layout_.scale;
    const double height = (titleHeight + Height(page.firstRow, page.lastRow)) * layout_.scale;
    const sheet::PageSetup& setup = Setup();
    placement.left = setup.marginLeft;
    placement.top = setup.marginTop;
    if (setup.centerHorizontally) {
        placement.left += std::max(0.0, (setup.PrintableWidth() - width) / 2);
    }
    if (setup.centerVertically) {
        placement.top += std::max(0.0, (setup.PrintableHeight() - height) / 2);
    }
    placement.bodyLeft = placement.left + titleWidth * layout_.scale;
    placement.bodyTop = placement.top + titleHeight * layout_.scale;
    return placement;
}

std::pair<double, double> SheetPrintout::OnPaper(const PageArea& page, double x, double y) const {
    const PagePlacement placement = Placement(page);
    return {placement.bodyLeft + (x - ColumnLeft(page.firstColumn)) * placement.scale,
            placement.bodyTop + (y - RowTop(page.firstRow)) * placement.scale};
}

const sheet::CellRange* SheetPrintout::MergeAt(int row, int column) const {
    for (const sheet::CellRange& merge : Merges()) {
        if (merge.Contains(row, column)) return &merge;
    }
    return nullptr;
}

}  // namespace nubera::printout
