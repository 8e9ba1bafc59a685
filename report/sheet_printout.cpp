#include "sheet_printout.h"

#include <algorithm>

namespace nubera::sheet {
namespace {

// A shape edge lying exactly on a grid line does not reach into the next cell.
constexpr double kEdgeInset = 0.01;  // points

std::vector<int> ColumnBreaks(const pugi::xml_node& worksheet) {
    std::vector<int> breaks;
    for (pugi::xml_node brk : worksheet.child("colBreaks").children("brk")) {
        if (brk.attribute("man").as_bool()) breaks.push_back(brk.attribute("id").as_int() + 1);
    }
    return breaks;
}

std::vector<int> ManualRowBreaks(const SheetData& data) {
    std::vector<int> breaks;
    for (const RowBreak& brk : data.rowBreaks) {
        if (brk.manual) breaks.push_back(brk.beforeRow);
    }
    return breaks;
}

void Extend(CellRange& range, int row, int column) {
    range.lastRow = std::max(range.lastRow, row);
    range.lastColumn = std::max(range.lastColumn, column);
}

}  // namespace

SheetPrintout::SheetPrintout(const XlsxWorksheet& sheet, int sheetIndex, const Shared& shared)
    : sheet_(sheet),
      shared_(shared),
      geometry_(sheet.Geometry()),
      setup_(ReadPageSetup(sheet.Document().child("worksheet"))) {
    ReadPrintNames(shared.workbook, sheetIndex, setup_);
    if (const Drawing* drawing = sheet.DrawingPart()) {
        shapes_ = ReadDrawnShapes(drawing->Document().child("xdr:wsDr"), geometry_, shared.theme);
    }
    const CellRange range = PrintRange();
    if (range.lastRow == 0) return;  // nothing to print
    int lastRow = range.lastRow;
    int lastColumn = range.lastColumn;
    if (setup_.titleRows) lastRow = std::max(lastRow, setup_.titleRows->second);
    if (setup_.titleColumns) lastColumn = std::max(lastColumn, setup_.titleColumns->second);
    Measure(lastRow, lastColumn);
    layout_ = LayOutPages(Grid(range), setup_);
}

// The print area, or from A1 to the last cell that shows a value, a border
// or a fill and the last shape, whichever reaches further.
CellRange SheetPrintout::PrintRange() const {
    if (setup_.printArea) return *setup_.printArea;
    CellRange range{1, 1, 0, 0};
    const SheetData& data = sheet_.Data();
    for (const auto& [number, row] : data.rows) {
        for (const auto& [column, cell] : row.cells) {
            const CellFormat& format = shared_.formats.Of(cell.style);
            if (cell.kind != CellKind::Empty || format.HasBorder() || format.fill) {
                Extend(range, number, column);
            }
        }
    }
    for (const CellRange& merge : data.merges) {
        if (HasValue(merge.firstRow, merge.firstColumn)) {
            Extend(range, merge.lastRow, merge.lastColumn);
        }
    }
    for (const DrawnShape& shape : shapes_) {
        const double right = shape.rect.left + std::max(shape.rect.width - kEdgeInset, 0.0);
        const double bottom = shape.rect.top + std::max(shape.rect.height - kEdgeInset, 0.0);
        Extend(range, geometry_.RowAt(bottom).index, geometry_.ColumnAt(right).index);
    }
    if (range.lastRow == 0 || range.lastColumn == 0) range.lastRow = range.lastColumn = 0;
    return range;
}

void SheetPrintout::Measure(int lastRow, int lastColumn) {
    rowTops_.assign(1, 0.0);
    for (int row = 1; row <= lastRow; ++row) {
        rowTops_.push_back(rowTops_.back() + geometry_.RowHeight(row));
    }
    columnLefts_.assign(1, 0.0);
    for (int column = 1; column <= lastColumn; ++column) {
        columnLefts_.push_back(columnLefts_.back() + geometry_.ColumnWidth(column));
    }
}

PageGrid SheetPrintout::Grid(const CellRange& range) const {
    PageGrid grid;
    grid.firstRow = range.firstRow;
    grid.firstColumn = range.firstColumn;
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        grid.rowHeights.push_back(Height(row, row));
    }
    for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
        grid.columnWidths.push_back(Width(column, column));
    }
    grid.rowBreaks = ManualRowBreaks(sheet_.Data());
    grid.columnBreaks = ColumnBreaks(sheet_.Document().child("worksheet"));
    if (const auto& titles = setup_.titleRows) {
        grid.titleHeight = Height(titles->first, titles->second);
    }
    if (const auto& titles = setup_.titleColumns) {
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
    return index < columnLefts_.size() ? columnLefts_[index] : geometry_.ColumnLeft(column);
}

double SheetPrintout::RowTop(int row) const {
    const auto index = static_cast<std::size_t>(row - 1);
    return index < rowTops_.size() ? rowTops_[index] : geometry_.RowTop(row);
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
    placement.left = setup_.marginLeft;
    placement.top = setup_.marginTop;
    if (setup_.centerHorizontally) {
        placement.left += std::max(0.0, (setup_.PrintableWidth() - width) / 2);
    }
    if (setup_.centerVertically) {
        placement.top += std::max(0.0, (setup_.PrintableHeight() - height) / 2);
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

const CellFormat& SheetPrintout::FormatAt(int row, int column) const {
    const SheetData& data = sheet_.Data();
    if (const Cell* cell = data.FindCell(row, column)) return shared_.formats.Of(cell->style);
    if (const auto found = data.rows.find(row); found != data.rows.end() && found->second.style) {
        return shared_.formats.Of(*found->second.style);
    }
    for (const ColumnFormat& format : data.columns) {
        if (format.min <= column && column <= format.max && format.style) {
            return shared_.formats.Of(*format.style);
        }
    }
    return shared_.formats.Of(0);
}

std::optional<ShownValue> SheetPrintout::Shown(int row, int column) const {
    const Cell* cell = sheet_.Data().FindCell(row, column);
    if (!cell) return std::nullopt;
    const std::string& format = shared_.formats.Of(cell->style).numberFormat;
    auto text = [&](std::string_view value) {
        FormattedValue shown = FormatTextValue(value, format);
        return ShownValue{std::move(shown.text), false, shown.color};
    };
    switch (cell->kind) {
        case CellKind::Empty:
            return std::nullopt;
        case CellKind::Number: {
            FormattedValue shown = FormatNumberValue(cell->number, format);
            return ShownValue{std::move(shown.text), true, shown.color};
        }
        case CellKind::SharedText:
            return text(shared_.strings.Text(cell->sharedText));
        case CellKind::Boolean:
            return ShownValue{cell->number != 0 ? "TRUE" : "FALSE", false, std::nullopt};
        case CellKind::Text:
        case CellKind::Error:
            return text(cell->text);
    }
    return std::nullopt;
}

bool SheetPrintout::HasValue(int row, int column) const {
    const Cell* cell = sheet_.Data().FindCell(row, column);
    return cell && cell->kind != CellKind::Empty;
}

const CellRange* SheetPrintout::MergeAt(int row, int column) const {
    for (const CellRange& merge : sheet_.Data().merges) {
        if (merge.Contains(row, column)) return &merge;
    }
    return nullptr;
}

}  // namespace nubera::sheet
