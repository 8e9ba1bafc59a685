#pragma once

// The operations of one sheet of the spreadsheet model. Rows and columns are
// 1-based as in a spreadsheet program (A1 is row 1, column 1); drawing
// positions are in points from the sheet's top-left corner.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "spreadsheet/drawn_shape.h"

namespace nubera::sheet {

// What a cell holds as seen by a reader: nothing, a number or a text. A
// formula cell shows its computed value.
using CellValue = std::variant<std::monostate, double, std::string>;

// The dash of a line, numbered as the old drawing object model numbers it.
enum class DashStyle {
    SheetDefault = 0,  // the sheet's default line (solid)
    Solid = 1,
    Dash = 4,
    DashDot = 5,
    LongDash = 7,
    LongDashDot = 8,
    SystemDash = 10,
    SystemDot = 11,
    SystemDashDot = 12,
};

// A colour of the legacy palette by its index (0..63); the colours the
// figures draw in are named.
enum class PaletteColor { Red = 10, Blue = 12 };

struct LineShape {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // points
    DashStyle dashStyle = DashStyle::SheetDefault;
    std::optional<PaletteColor> schemeColor;  // none: the theme's text colour
};

struct Label {
    std::string name;     // e.g. "LBL_X0"
    std::string caption;  // the text box's text
    double left = 0;      // points
    double top = 0;       // points
};

// A text box without fill or outline, its text on one line in the given
// alignment and vertically centred in its box.
struct TextBox {
    std::string name;  // unique on the sheet
    std::string text;
    double left = 0;  // points
    double top = 0;
    double width = 0;
    double height = 0;
    std::string fontName;
    double fontSize = 9;
    bool bold = false;
    TextAlignment alignment = TextAlignment::Center;
};

class Worksheet {
  public:
    virtual ~Worksheet() = default;

    virtual const std::string& Name() const = 0;

    // Copies rows first..last of `source` (values, formulas, styles, row
    // heights, merged ranges inside them) so that they land in rows
    // targetRow.. of this sheet, overwriting those rows completely.
    virtual void PasteRows(const Worksheet& source, int first, int last, int targetRow) = 0;

    // A horizontal page break before `row`.
    virtual void AddPageBreakBefore(int row) = 0;
    virtual std::vector<int> PageBreaks() const = 0;

    // The row's height in points (0 for a hidden row).
    virtual double RowHeight(int row) const = 0;
    // The height of rows a printed page holds at least: the paper inside the
    // top and bottom margins at the sheet's print scale, a fit-to-page scale
    // counted as 100 % since it can only make room for more.
    virtual double PageBodyHeight() const = 0;

    // Deletes columns first..last; cells, styles, widths, merged ranges,
    // drawing anchors and formula references to the right move left.
    virtual void DeleteColumns(int first, int last) = 0;

    virtual void SetNumber(int row, int column, double value) = 0;
    virtual void SetText(int row, int column, std::string_view text) = 0;
    // Clears the value (and formula) but keeps the cell's format.
    virtual void ClearContents(int row, int column) = 0;
    virtual CellValue Value(int row, int column) const = 0;

    virtual void AddLine(const LineShape& line) = 0;
    virtual std::vector<LineShape> Lines() const = 0;
    // Throws SpreadsheetError when the box lies off the sheet or its text
    // cannot be drawn.
    virtual void AddTextBox(const TextBox& box) = 0;

    // Named text boxes. Throws SpreadsheetError when the sheet has no such label.
    virtual void SetLabelCaption(std::string_view name, std::string_view caption) = 0;
    virtual void MoveLabel(std::string_view name, double left, double top) = 0;
    virtual Label GetLabel(std::string_view name) const = 0;

    // Replaces every occurrence of `placeholder` in the page headers and
    // footers (their codes, so `text` must double any '&' it holds).
    virtual void ReplaceInHeadersAndFooters(std::string_view placeholder,
                                            std::string_view text) = 0;
};

}  // namespace nubera::sheet
