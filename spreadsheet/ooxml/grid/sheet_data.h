#pragma once

// The grid of one worksheet as the model holds it: rows with their heights
// and formats, cells with styles, values and formulas, merged ranges, page
// breaks and column formats. The XML of the sheet around it is kept apart.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "spreadsheet/cell_address.h"

namespace nubera::sheet {

// Attributes kept as read and written back unchanged.
using XmlAttributes = std::vector<std::pair<std::string, std::string>>;

enum class CellKind : std::uint8_t { Empty, Number, SharedText, Text, Boolean, Error };

// One cell. For a formula cell the value is the one last computed.
struct GridCell {
    int style = 0;  // index into the cell styles (cellXfs)
    CellKind kind = CellKind::Empty;
    double number = 0;    // Number; Boolean as 0 or 1
    int sharedText = -1;  // SharedText: index into the shared strings
    std::string text;     // Text (a formula's text result); Error: "#DIV/0!" and the like
    std::string formula;  // without "="; empty when the cell holds none
};

struct Row {
    std::optional<double> height;  // points; nothing for the sheet's default
    bool customHeight = false;
    std::optional<int> style;  // the row's own cell style, if it has one
    bool hidden = false;
    XmlAttributes otherAttributes;  // outline level and the like
    std::map<int, GridCell> cells;  // by column
};

// Columns min..max sharing one width and format.
struct ColumnFormat {
    int min = 1;
    int max = 1;
    std::optional<double> width;  // in digit widths of the default font, padding included
    std::optional<int> style;
    bool hidden = false;
    XmlAttributes otherAttributes;  // customWidth, bestFit and the like
};

struct RowBreak {
    int beforeRow = 0;  // the page breaks above this row
    bool manual = true;
};

// The sheet's defaults for rows and columns without their own size.
struct SheetDefaults {
    std::optional<double> columnWidth;  // in digit widths, padding included
    double baseColumnWidth = 8;         // in digits, padding excluded
    double rowHeight = 15;              // points
};

struct SheetData {
    std::map<int, Row> rows;  // by row number
    std::vector<CellRange> merges;
    std::vector<RowBreak> rowBreaks;    // by row
    std::vector<ColumnFormat> columns;  // by min
    SheetDefaults defaults;

    const GridCell* FindCell(int row, int column) const;
    GridCell& CellAt(int row, int column);  // added when missing

    // Rows first..last of `source` (which may be this sheet) land in rows
    // target.. with their cells, styles, heights and the merged ranges that
    // lie inside them; the target rows are replaced completely, rows that do
    // not exist in the source included. Relative formula references move down
    // by target − first.
    void PasteRows(const SheetData& source, int first, int last, int target);

    // Removes columns first..last and closes the gap: cells, column formats
    // and merged ranges move left or shrink. Formulas are left to the caller,
    // who knows the other sheets.
    void DeleteColumns(int first, int last);

    // False when a break before that row exists already.
    bool AddRowBreak(int beforeRow);

    void RewriteFormulas(const std::function<std::string(const std::string&)>& rewrite);

    // The smallest range holding every cell; nothing for an empty sheet.
    std::optional<CellRange> UsedRange() const;
};

}  // namespace nubera::sheet
