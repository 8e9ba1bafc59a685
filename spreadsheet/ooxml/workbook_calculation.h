#pragma once

// The formulas of a workbook computed against its cells, each at most once
// per calculation, following references across sheets.

#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "spreadsheet/ooxml/formulas/formula_evaluator.h"
#include "spreadsheet/worksheet.h"

namespace nubera::sheet {

class XlsxWorkbook;
class XlsxWorksheet;

class WorkbookCalculation final : public FormulaCells {
  public:
    explicit WorkbookCalculation(XlsxWorkbook& book) : book_(book) {}

    // The value of the formula in a cell; nothing when the formula goes beyond
    // the evaluator (the value must then be left to the reader).
    std::optional<FormulaValue> FormulaResult(const XlsxWorksheet& sheet, int row, int column);
    // Whether some formula was beyond the evaluator.
    bool SomeFormulaUnknown() const { return someUnknown_; }

    FormulaValue ValueAt(std::string_view sheet, int row, int column) override;
    bool VisitArea(std::string_view sheet, const Area& area,
                   const std::function<void(const FormulaValue&)>& visit) override;

    // What a reader sees in a cell: its value, or its formula's.
    CellValue ReaderValue(const XlsxWorksheet& sheet, int row, int column);

  private:
    using Key = std::tuple<const XlsxWorksheet*, int, int>;

    const XlsxWorksheet* SheetNamed(std::string_view name);
    FormulaValue CellContent(const XlsxWorksheet& sheet, int row, int column);

    XlsxWorkbook& book_;
    const XlsxWorksheet* current_ = nullptr;  // the sheet of the formula being computed
    std::map<Key, std::optional<FormulaValue>> results_;
    std::set<Key> inProgress_;
    bool someUnknown_ = false;
};

}  // namespace nubera::sheet
