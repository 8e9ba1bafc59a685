#include "spreadsheet/ooxml/workbook_calculation.h"

#include <algorithm>
#include <utility>

#include "spreadsheet/ooxml/xlsx_workbook.h"
#include "spreadsheet/ooxml/xlsx_worksheet.h"

namespace nubera::sheet {
namespace {

// The value stored in a cell, for a formula cell the one last computed.
FormulaValue StoredValue(const GridCell& cell, const SharedStrings& strings) {
    switch (cell.kind) {
        case CellKind::Number:
        case CellKind::Boolean:
            return cell.number;
        case CellKind::SharedText:
            return strings.Text(cell.sharedText);
        case CellKind::Text:
            return cell.text;
        case CellKind::Error:
            return ErrorFromText(cell.text).value_or(FormulaError::Value);
        case CellKind::Empty:
            break;
    }
    return {};
}

}  // namespace

std::optional<FormulaValue> WorkbookCalculation::FormulaResult(const XlsxWorksheet& sheet, int row,
                                                               int column) {
    const Key key{&sheet, row, column};
    if (const auto found = results_.find(key); found != results_.end()) return found->second;
    if (inProgress_.contains(key)) return 0.0;  // a circular reference reads as 0
    const GridCell* cell = sheet.Data().FindCell(row, column);
    if (!cell || cell->formula.empty()) return std::nullopt;
    inProgress_.insert(key);
    const XlsxWorksheet* outer = std::exchange(current_, &sheet);
    std::optional<FormulaValue> result = EvaluateFormula(cell->formula, *this);
    current_ = outer;
    inProgress_.erase(key);
    if (!result) someUnknown_ = true;
    results_.emplace(key, result);
    return result;
}

const XlsxWorksheet* WorkbookCalculation::SheetNamed(std::string_view name) {
    return name.empty() ? current_ : book_.FindSheet(name);
}

FormulaValue WorkbookCalculation::CellContent(const XlsxWorksheet& sheet, int row, int column) {
    const GridCell* cell = sheet.Data().FindCell(row, column);
    if (!cell) return {};
    if (!cell->formula.empty()) {
        if (auto result = FormulaResult(sheet, row, column)) return *std::move(result);
    }
    return StoredValue(*cell, book_.Strings());
}

FormulaValue WorkbookCalculation::ValueAt(std::string_view sheet, int row, int column) {
    const XlsxWorksheet* found = SheetNamed(sheet);
    if (!found) return FormulaError::Ref;
    return CellContent(*found, row, column);
}

bool WorkbookCalculation::VisitArea(std::string_view sheet, const Area& area,
                                    const std::function<void(const FormulaValue&)>& visit) {
    const XlsxWorksheet* found = SheetNamed(sheet);
    if (!found) return false;
    const bool wholeColumns = area.shape == AreaShape::Columns;
    const bool wholeRows = area.shape == AreaShape::Rows;
    const int firstRow = wholeColumns ? 1 : std::min(area.first.row, area.last.row);
    const int lastRow = wholeColumns ? kMaxRow : std::max(area.first.row, area.last.row);
    const int firstColumn = wholeRows ? 1 : std::min(area.first.column, area.last.column);
    const int lastColumn = wholeRows ? kMaxColumn : std::max(area.first.column, area.last.column);
    const auto& rows = found->Data().rows;
    for (auto row = rows.lower_bound(firstRow); row != rows.end() && row->first <= lastRow; ++row) {
        const auto& cells = row->second.cells;
        for (auto cell = cells.lower_bound(firstColumn);
             cell != cells.end() && cell->first <= lastColumn; ++cell) {
            const FormulaValue value = CellContent(*found, row->first, cell->first);
            if (!std::holds_alternative<std::monostate>(value)) visit(value);
        }
    }
    return true;
}

CellValue WorkbookCalculation::ReaderValue(const XlsxWorksheet& sheet, int row, int column) {
    current_ = &sheet;
    const FormulaValue value = CellContent(sheet, row, column);
    if (const auto* number = std::get_if<double>(&value)) return *number;
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* error = std::get_if<FormulaError>(&value))
        return std::string(ErrorText(*error));
    return std::monostate{};
}

}  // namespace nubera::sheet
