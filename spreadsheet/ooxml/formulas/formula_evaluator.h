#pragma once

// A small evaluator for the formulas a report template holds: numbers, texts,
// cell and area references (also on other sheets), + − × ÷ ^ %, unary signs,
// parentheses and the functions SUM, AVERAGE, MIN, MAX, ROUND and ABS. It
// follows spreadsheet rules: an empty cell counts as 0, SUM and its kin skip
// texts and empty cells of areas, an error value spreads to the result.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "spreadsheet/ooxml/formulas/formula_lexer.h"

namespace nubera::sheet {

enum class FormulaError { Null, Div0, Value, Ref, Name, Num, NA };

// "#DIV/0!" and the like, as a cell shows them and the package stores them.
std::string_view ErrorText(FormulaError error);
std::optional<FormulaError> ErrorFromText(std::string_view text);

// Nothing (an empty cell), a number, a text or an error value.
using FormulaValue = std::variant<std::monostate, double, std::string, FormulaError>;

// The cells a formula reads. An empty sheet name stands for the formula's own
// sheet; a sheet that does not exist reads as #REF!.
class FormulaCells {
  public:
    virtual ~FormulaCells() = default;
    virtual FormulaValue ValueAt(std::string_view sheet, int row, int column) = 0;
    // Calls `visit` with every cell of `area` that is not empty; false when
    // the sheet does not exist.
    virtual bool VisitArea(std::string_view sheet, const Area& area,
                           const std::function<void(const FormulaValue&)>& visit) = 0;
};

// The value of `formula`, or nothing when it uses what this evaluator does
// not know (another function, comparisons, arrays), so a reader must compute it.
std::optional<FormulaValue> EvaluateFormula(std::string_view formula, FormulaCells& cells);

}  // namespace nubera::sheet
