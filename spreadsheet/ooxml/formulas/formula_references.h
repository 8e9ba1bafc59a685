#pragma once

// How the references of a formula follow the grid when rows are pasted,
// columns deleted or sheets deleted, as a spreadsheet program moves them.

#include <string>
#include <string_view>

namespace nubera::sheet {

// The formula pasted `rows` rows down and `columns` columns right: relative
// references move with it, "$" parts stay; a reference pushed off the grid
// becomes #REF!.
std::string MoveFormula(std::string_view formula, int rows, int columns);

// The formula once columns first..last of sheet `sheet` are deleted. Its
// unqualified references point to that sheet when `onThatSheet`. References
// to the right move left, areas that lose some of their columns shrink, and
// references wholly inside the deleted columns become #REF!.
std::string FormulaAfterColumnDeletion(std::string_view formula, bool onThatSheet,
                                       std::string_view sheet, int first, int last);

// The formula once sheet `sheet` is deleted: references to it become #REF!.
std::string FormulaAfterSheetDeletion(std::string_view formula, std::string_view sheet);

// Sheet names compare without regard to ASCII case.
bool SameSheetName(std::string_view a, std::string_view b);

}  // namespace nubera::sheet
