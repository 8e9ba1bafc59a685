#include "spreadsheet/ooxml/formulas/formula_references.h"

#include <functional>
#include <optional>

#include "spreadsheet/ascii_case.h"
#include "spreadsheet/cell_address.h"
#include "spreadsheet/ooxml/formulas/formula_lexer.h"

namespace nubera::sheet {
namespace {

// The new text of a reference, or nothing to keep it as written.
using ReferenceChange = std::function<std::optional<std::string>(const Token&)>;

std::string Rewrite(std::string_view formula, const ReferenceChange& change) {
    std::string rewritten;
    rewritten.reserve(formula.size() + 8);
    for (const Token& token : Tokenize(formula)) {
        std::optional<std::string> text;
        if (token.kind == TokenKind::Reference && token.area) text = change(token);
        rewritten += text ? *text : std::string(token.text);
    }
    return rewritten;
}

// The reference with a new area, or #REF! when it has none.
std::string ReferenceText(const Token& token, const std::optional<Area>& area) {
    return std::string(token.sheetPrefix) + (area ? FormatArea(*area) : "#REF!");
}

// Moves a row or column index unless it is fixed by "$" or stands for a whole
// row or column (0); false when it leaves the grid.
bool MoveIndex(int& index, bool absolute, int by, int limit) {
    if (index == 0 || absolute) return true;
    index += by;
    return index >= 1 && index <= limit;
}

bool MoveEnd(AreaEnd& end, int rows, int columns) {
    return MoveIndex(end.row, end.rowAbsolute, rows, kMaxRow) &&
           MoveIndex(end.column, end.columnAbsolute, columns, kMaxColumn);
}

std::optional<Area> Moved(Area area, int rows, int columns) {
    if (!MoveEnd(area.first, rows, columns) || !MoveEnd(area.last, rows, columns)) {
        return std::nullopt;
    }
    return area;
}

std::optional<Area> AfterColumnDeletion(Area area, int first, int last) {
    if (area.shape == AreaShape::Rows) return area;
    const auto span = ShrinkSpan(area.first.column, area.last.column, first, last);
    if (!span) return std::nullopt;
    area.first.column = span->first;
    area.last.column = span->second;
    return area;
}

}  // namespace

bool SameSheetName(std::string_view a, std::string_view b) {
    return EqualsIgnoringAsciiCase(a, b);
}

std::string MoveFormula(std::string_view formula, int rows, int columns) {
    if (rows == 0 && columns == 0) return std::string(formula);
    return Rewrite(formula, [rows, columns](const Token& token) {
        return ReferenceText(token, Moved(*token.area, rows, columns));
    });
}

std::string FormulaAfterColumnDeletion(std::string_view formula, bool onThatSheet,
                                       std::string_view sheet, int first, int last) {
    return Rewrite(formula, [&](const Token& token) -> std::optional<std::string> {
        const bool there =
            token.sheetPrefix.empty() ? onThatSheet : SameSheetName(token.sheet, sheet);
        if (!there) return std::nullopt;
        const auto area = AfterColumnDeletion(*token.area, first, last);
        if (area == token.area) return std::nullopt;
        return ReferenceText(token, area);
    });
}

std::string FormulaAfterSheetDeletion(std::string_view formula, std::string_view sheet) {
    return Rewrite(formula, [sheet](const Token& token) -> std::optional<std::string> {
        if (token.sheetPrefix.empty() || !SameSheetName(token.sheet, sheet)) return std::nullopt;
        return std::string("#REF!");
    });
}

}  // namespace nubera::sheet
