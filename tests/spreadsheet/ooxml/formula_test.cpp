#include <gtest/gtest.h>

#include <map>

#include "spreadsheet/cell_address.h"
#include "spreadsheet/ooxml/formulas/formula_evaluator.h"
#include "spreadsheet/ooxml/formulas/formula_references.h"

namespace nubera::sheet {
namespace {

TEST(FormulaReferences, PasteMovesRelativePartsOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"SUM(D4:I4)", "SUM(D20:I20)"},
        {"$A$1+A$1+$A1+A1", "$A$1+A$1+$A17+A17"},
        {"'My sheet'!B2*2", "'My sheet'!B18*2"},
        {"SUM(D:D)+SUM(2:3)", "SUM(D:D)+SUM(18:19)"},
        {"\"A1\"&LOG10(4)", "\"A1\"&LOG10(4)"},  // a text and a function name are no references
        {"1.5E+3-A1", "1.5E+3-A17"},
    };
    for (const auto& [formula, moved] : cases) EXPECT_EQ(MoveFormula(formula, 16, 0), moved);
    EXPECT_EQ(MoveFormula("A1+B$2", 0, 2), "C1+D$2");
    EXPECT_EQ(MoveFormula("A2+Sheet2!B3", -3, 0), "#REF!+Sheet2!#REF!");
    EXPECT_EQ(MoveFormula("A1", kMaxRow, 0), "#REF!");
}

TEST(FormulaReferences, ColumnDeletionMovesShrinksAndBreaksReferences) {
    const std::pair<const char*, const char*> cases[] = {
        {"SUM(D4:I4)", "SUM(D4:E4)"},  // E:H deleted from D:I
        {"J4*2", "F4*2"},              // right of the gap
        {"SUM(E4:H4)", "SUM(#REF!)"},  // wholly deleted
        {"F4+C4", "#REF!+C4"},         // inside / left of the gap
        {"SUM($F$1:$J$9)", "SUM($E$1:$F$9)"},
        {"SUM(E:J)", "SUM(E:F)"},
        {"SUM(4:5)", "SUM(4:5)"},  // whole rows do not care
        {"Other!J4+'Sum'!J4", "Other!J4+'Sum'!F4"},
    };
    for (const auto& [formula, after] : cases) {
        EXPECT_EQ(FormulaAfterColumnDeletion(formula, true, "Sum", 5, 8), after) << formula;
    }
    // From another sheet only qualified references point to the changed one.
    EXPECT_EQ(FormulaAfterColumnDeletion("J4+SUM!J4", false, "Sum", 5, 8), "J4+SUM!F4");
}

TEST(FormulaReferences, SheetDeletionBreaksReferencesToIt) {
    EXPECT_EQ(FormulaAfterSheetDeletion("'Model'!A1+Model!B2:C3+A1+Kept!A1", "model"),
              "#REF!+#REF!+A1+Kept!A1");
}

// A sheet "" of a few cells, and sheet "Other" with one.
class FakeCells : public FormulaCells {
  public:
    std::map<std::pair<int, int>, FormulaValue> cells;
    FormulaValue other = 100.0;

    FormulaValue ValueAt(std::string_view sheet, int row, int column) override {
        if (sheet == "Other") return row == 1 && column == 1 ? other : FormulaValue{};
        if (!sheet.empty()) return FormulaError::Ref;
        const auto found = cells.find({row, column});
        return found == cells.end() ? FormulaValue{} : found->second;
    }
    bool VisitArea(std::string_view sheet, const Area& area,
                   const std::function<void(const FormulaValue&)>& visit) override {
        if (!sheet.empty()) return false;
        for (const auto& [at, value] : cells) {
            const bool rowIn = area.shape == AreaShape::Columns ||
                               (at.first >= area.first.row && at.first <= area.last.row);
            const bool columnIn = area.shape == AreaShape::Rows ||
                                  (at.second >= area.first.column && at.second <= area.last.column);
            if (rowIn && columnIn) visit(value);
        }
        return true;
    }
};

TEST(FormulaEvaluator, ComputesWhatATemplateHolds) {
    FakeCells cells;
    cells.cells[{1, 1}] = 2.0;                  // A1
    cells.cells[{1, 2}] = 3.0;                  // B1
    cells.cells[{1, 3}] = std::string("text");  // C1
    cells.cells[{2, 1}] = std::string(" 4 ");   // A2: a number as text
    cells.cells[{2, 2}] = FormulaError::Div0;   // B2
    const std::pair<const char*, FormulaValue> cases[] = {
        {"SUM(A1:C1)", 5.0},  // texts in areas are skipped
        {"A1+B1*2-(A1-B1)/4", 8.25},
        {"-A1^2", 4.0},  // the sign binds tighter than ^
        {"A1*50%", 1.0},
        {"A2+1", 5.0},
        {"SUM(A1,B1,10)", 15.0},
        {"SUM(E1:F9)", 0.0},  // nothing to sum
        {"D9", 0.0},          // an empty cell shows 0
        {"D9+1", 1.0},
        {"AVERAGE(A1:B1)", 2.5},
        {"MIN(A1:C1)+MAX(A1:B1)", 5.0},
        {"ROUND(2.675,2)", 2.68},
        {"ABS(-A1)", 2.0},
        {"Other!A1/A1", 50.0},
        {"C1", std::string("text")},
        {"C1*2", FormulaError::Value},
        {"A1/0", FormulaError::Div0},
        {"SUM(A1:B2)", FormulaError::Div0},  // an error in the area spreads
        {"#REF!+1", FormulaError::Ref},
        {"Gone!A1", FormulaError::Ref},
        {"SUM(Gone!A1:B2)", FormulaError::Ref},
        {"AVERAGE(E1:E2)", FormulaError::Div0},
        {"10^400", FormulaError::Num},
    };
    for (const auto& [formula, expected] : cases) {
        EXPECT_EQ(EvaluateFormula(formula, cells), std::optional(expected)) << formula;
    }
}

TEST(FormulaEvaluator, LeavesWhatItDoesNotKnowToTheReader) {
    FakeCells cells;
    for (const char* formula : {"VLOOKUP(A1,B1:C3,2)", "IF(A1>1,1,2)", "A1&B1", "{1,2}", "SUM(",
                                "MyName*2", "[1]Sheet1!A1"}) {
        EXPECT_FALSE(EvaluateFormula(formula, cells)) << formula;
    }
}

}  // namespace
}  // namespace nubera::sheet
