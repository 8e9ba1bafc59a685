#include "spreadsheet/ooxml/grid/sheet_xml.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <tuple>
#include <unordered_map>

#include "decimal/double_chars.h"
#include "spreadsheet/ooxml/formulas/formula_references.h"
#include "spreadsheet/ooxml/grid/cell_text.h"
#include "spreadsheet/ooxml/grid/shared_strings.h"
#include "spreadsheet/ooxml/package/xml_part.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::sheet {
namespace {

// The children of <worksheet> in the order the schema requires them.
constexpr auto kWorksheetOrder = std::to_array<std::string_view>({
    "sheetPr",
    "dimension",
    "sheetViews",
    "sheetFormatPr",
    "cols",
    "sheetData",
    "sheetCalcPr",
    "sheetProtection",
    "protectedRanges",
    "scenarios",
    "autoFilter",
    "sortState",
    "dataConsolidate",
    "customSheetViews",
    "mergeCells",
    "phoneticPr",
    "conditionalFormatting",
    "dataValidations",
    "hyperlinks",
    "printOptions",
    "pageMargins",
    "pageSetup",
    "headerFooter",
    "rowBreaks",
    "colBreaks",
    "customProperties",
    "cellWatches",
    "ignoredErrors",
    "smartTags",
    "drawing",
    "legacyDrawing",
    "legacyDrawingHF",
    "drawingHF",
    "picture",
    "oleObjects",
    "controls",
    "webPublishItems",
    "tableParts",
    "extLst",
});

// Excel's column limit less one, as page breaks spell "across the whole sheet".
constexpr int kBreakMax = 16383;

int OrderOf(std::string_view name) {
    for (std::size_t i = 0; i < kWorksheetOrder.size(); ++i) {
        if (kWorksheetOrder[i] == name) return static_cast<int>(i);
    }
    return -1;
}

// The master formula of a group of shared formulas, which the other cells of
// the group repeat moved by their distance from it.
struct SharedFormula {
    std::string formula;
    int row = 0;
    int column = 0;
};

class GridReader {
  public:
    GridReader(SharedStrings& strings, std::string_view sheetName)
        : strings_(strings), sheetName_(sheetName) {}

    SheetData Read(pugi::xml_node worksheet) {
        SheetData data;
        ReadDefaults(worksheet.child("sheetFormatPr"), data.defaults);
        for (pugi::xml_node col : worksheet.child("cols").children("col")) {
            data.columns.push_back(ReadColumn(col));
        }
        int previousRow = 0;
        for (pugi::xml_node row : worksheet.child("sheetData").children("row")) {
            previousRow = row.attribute("r").as_int(previousRow + 1);
            if (previousRow < 1 || previousRow > kMaxRow)
                Fail("行番号" + std::to_string(previousRow));
            data.rows[previousRow] = ReadRow(row, previousRow);
        }
        for (pugi::xml_node merge : worksheet.child("mergeCells").children("mergeCell")) {
            data.merges.push_back(ReadRange(merge.attribute("ref").value()));
        }
        for (pugi::xml_node brk : worksheet.child("rowBreaks").children("brk")) {
            data.rowBreaks.push_back(
                {brk.attribute("id").as_int() + 1, brk.attribute("man").as_bool()});
        }
        worksheet.child("sheetData").remove_children();
        return data;
    }

  private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw SpreadsheetError("シート「" + std::string(sheetName_) + "」の" + what + "が不正です");
    }

    CellRange ReadRange(std::string_view text) const {
        const auto range = ParseCellRange(text);
        if (!range) Fail("範囲「" + std::string(text) + "」");
        return *range;
    }

    static void ReadDefaults(pugi::xml_node format, SheetDefaults& defaults) {
        if (const auto width = format.attribute("defaultColWidth"))
            defaults.columnWidth = width.as_double();
        defaults.baseColumnWidth = format.attribute("baseColWidth").as_double(8);
        defaults.rowHeight = format.attribute("defaultRowHeight").as_double(15);
    }

    static ColumnFormat ReadColumn(pugi::xml_node col) {
        ColumnFormat format;
        for (pugi::xml_attribute attribute : col.attributes()) {
            const std::string_view name = attribute.name();
            if (name == "min")
                format.min = attribute.as_int(1);
            else if (name == "max")
                format.max = attribute.as_int(1);
            else if (name == "width")
                format.width = attribute.as_double();
            else if (name == "style")
                format.style = attribute.as_int();
            else if (name == "hidden")
                format.hidden = attribute.as_bool();
            else
                format.otherAttributes.emplace_back(name, attribute.value());
        }
        return format;
    }

    Row ReadRow(pugi::xml_node node, int rowNumber) {
        Row row;
        bool customFormat = false;
        for (pugi::xml_attribute attribute : node.attributes()) {
            const std::string_view name = attribute.name();
            if (name == "r" || name == "spans") continue;  // spans are an optional hint
            if (name == "ht")
                row.height = attribute.as_double();
            else if (name == "customHeight")
                row.customHeight = attribute.as_bool();
            else if (name == "s")
                row.style = attribute.as_int();
            else if (name == "customFormat")
                customFormat = attribute.as_bool();
            else if (name == "hidden")
                row.hidden = attribute.as_bool();
            else
                row.otherAttributes.emplace_back(name, attribute.value());
        }
        if (!customFormat) row.style.reset();  // a row style counts only when flagged
        int previousColumn = 0;
        for (pugi::xml_node c : node.children("c")) {
            previousColumn = ReadColumnOf(c, rowNumber, previousColumn + 1);
            row.cells[previousColumn] = ReadCell(c, rowNumber, previousColumn);
        }
        return row;
    }

    int ReadColumnOf(pugi::xml_node c, int rowNumber, int implied) const {
        const pugi::xml_attribute r = c.attribute("r");
        if (!r) return implied;
        const auto address = ParseCellAddress(r.value());
        if (!address || address->row != rowNumber)
            Fail("セル番地「" + std::string(r.value()) + "」");
        return address->column;
    }

    GridCell ReadCell(pugi::xml_node c, int row, int column) {
        GridCell cell;
        cell.style = c.attribute("s").as_int(0);
        const pugi::xml_node f = c.child("f");
        if (f && std::string_view(c.attribute("t").value()) == "str") {
            cell.kind = CellKind::Text;  // a formula's text result stays with the formula
            cell.text = UnescapeCellText(c.child_value("v"));
        } else {
            ReadValue(c, cell, row, column);
        }
        if (f) cell.formula = ReadFormula(f, row, column);
        return cell;
    }

    void ReadValue(pugi::xml_node c, GridCell& cell, int row, int column) {
        const std::string_view type = c.attribute("t").value();
        const std::string_view v = c.child_value("v");
        if (type == "s") {
            cell.kind = CellKind::SharedText;
            cell.sharedText = c.child("v").text().as_int(-1);
            if (cell.sharedText < 0 || cell.sharedText >= strings_.Count()) {
                Fail("セル" + FormatCellAddress(row, column) + "の共有文字列の番号");
            }
        } else if (type == "inlineStr") {
            SetText(cell, StringItemText(c.child("is")));
        } else if (type == "str" || type == "d") {
            SetText(cell, UnescapeCellText(v));
        } else if (type == "b") {
            cell.kind = CellKind::Boolean;
            cell.number = v == "1" ? 1 : 0;
        } else if (type == "e") {
            cell.kind = CellKind::Error;
            cell.text = v;
        } else if (!v.empty()) {
            cell.kind = CellKind::Number;
            DoubleFromChars(v.data(), v.data() + v.size(), cell.number);
        }
    }

    // Texts the package holds in the cell itself join the shared strings, so
    // that every text cell of the model is one kind.
    void SetText(GridCell& cell, const std::string& text) {
        cell.kind = CellKind::SharedText;
        cell.sharedText = strings_.Add(text);
    }

    std::string ReadFormula(pugi::xml_node f, int row, int column) {
        std::string formula = f.text().get();
        if (std::string_view(f.attribute("t").value()) != "shared") return formula;
        const int group = f.attribute("si").as_int(-1);
        if (!formula.empty()) {
            shared_[group] = {formula, row, column};
            return formula;
        }
        const auto master = shared_.find(group);
        if (master == shared_.end()) return {};
        return MoveFormula(master->second.formula, row - master->second.row,
                           column - master->second.column);
    }

    SharedStrings& strings_;
    std::string_view sheetName_;
    std::unordered_map<int, SharedFormula> shared_;
};

void SetNumber(pugi::xml_node c, double value) {
    c.append_child("v").text() = NumberText(value).c_str();
}

void SetTyped(pugi::xml_node c, const char* type, const std::string& value) {
    c.append_attribute("t") = type;
    c.append_child("v").text() = value.c_str();
}

void WriteFormulaValue(pugi::xml_node c, const FormulaValue& value) {
    if (const auto* number = std::get_if<double>(&value)) SetNumber(c, *number);
    if (const auto* text = std::get_if<std::string>(&value))
        SetTyped(c, "str", EscapeCellText(*text));
    if (const auto* error = std::get_if<FormulaError>(&value)) {
        SetTyped(c, "e", std::string(ErrorText(*error)));
    }
    if (std::holds_alternative<std::monostate>(value)) SetNumber(c, 0);
}

// Write the <c> element: address, style, type, then <f> and <v>.
void WriteCell(pugi::xml_node row, int rowNumber, int column, const GridCell& cell,
               const FormulaResults& results) {
    pugi::xml_node c = row.append_child("c");
    c.append_attribute("r") = FormatCellAddress(rowNumber, column).c_str();
    if (cell.style != 0) c.append_attribute("s") = cell.style;
    if (!cell.formula.empty()) {
        c.append_child("f").text() = cell.formula.c_str();
        if (const auto value = results(rowNumber, column)) WriteFormulaValue(c, *value);
        return;
    }
    switch (cell.kind) {
        case CellKind::Number:
            SetNumber(c, cell.number);
            break;
        case CellKind::SharedText:
            SetTyped(c, "s", std::to_string(cell.sharedText));
            break;
        case CellKind::Boolean:
            SetTyped(c, "b", cell.number != 0 ? "1" : "0");
            break;
        case CellKind::Error:
            SetTyped(c, "e", cell.text);
            break;
        case CellKind::Text:
            SetTyped(c, "str", EscapeCellText(cell.text));
            break;
        case CellKind::Empty:
            break;
    }
}

void AppendAttributes(pugi::xml_node node, const XmlAttributes& attributes) {
    for (const auto& [name, value] : attributes)
        node.append_attribute(name.c_str()) = value.c_str();
}

// Write the <row> element with its cells.
void WriteRow(pugi::xml_node sheetData, int rowNumber, const Row& row,
              const FormulaResults& results) {
    pugi::xml_node node = sheetData.append_child("row");
    node.append_attribute("r") = rowNumber;
    if (row.style) {
        node.append_attribute("s") = *row.style;
        node.append_attribute("customFormat") = 1;
    }
    if (row.height) node.append_attribute("ht") = NumberText(*row.height).c_str();
    if (row.hidden) node.append_attribute("hidden") = 1;
    if (row.customHeight) node.append_attribute("customHeight") = 1;
    AppendAttributes(node, row.otherAttributes);
    for (const auto& [column, cell] : row.cells) WriteCell(node, rowNumber, column, cell, results);
}

bool IsBare(const Row& row) {
    return row.cells.empty() && !row.height && !row.style && !row.hidden && !row.customHeight &&
           row.otherAttributes.empty();
}

void WriteSheetData(pugi::xml_node worksheet, const SheetData& data,
                    const FormulaResults& results) {
    pugi::xml_node sheetData = PlaceWorksheetElement(worksheet, "sheetData");
    sheetData.remove_children();
    for (const auto& [number, row] : data.rows) {
        if (!IsBare(row)) WriteRow(sheetData, number, row, results);
    }
}

void WriteDimension(pugi::xml_node worksheet, const SheetData& data) {
    const auto used = data.UsedRange();
    ForceAttribute(PlaceWorksheetElement(worksheet, "dimension"), "ref") =
        used ? FormatCellRange(*used).c_str() : "A1";
}

// Replaces the element `name` with a fresh one, or removes it when `empty`.
pugi::xml_node FreshElement(pugi::xml_node worksheet, const char* name, bool empty) {
    worksheet.remove_child(name);
    return empty ? pugi::xml_node() : PlaceWorksheetElement(worksheet, name);
}

void WriteColumns(pugi::xml_node worksheet, const std::vector<ColumnFormat>& columns) {
    pugi::xml_node cols = FreshElement(worksheet, "cols", columns.empty());
    for (const ColumnFormat& format : columns) {
        pugi::xml_node col = cols.append_child("col");
        col.append_attribute("min") = format.min;
        col.append_attribute("max") = format.max;
        if (format.width) col.append_attribute("width") = NumberText(*format.width).c_str();
        if (format.style) col.append_attribute("style") = *format.style;
        if (format.hidden) col.append_attribute("hidden") = 1;
        AppendAttributes(col, format.otherAttributes);
    }
}

void WriteMerges(pugi::xml_node worksheet, const std::vector<CellRange>& merges) {
    pugi::xml_node node = FreshElement(worksheet, "mergeCells", merges.empty());
    if (merges.empty()) return;
    node.append_attribute("count") = merges.size();
    for (const CellRange& merge : merges) {
        node.append_child("mergeCell").append_attribute("ref") = FormatCellRange(merge).c_str();
    }
}

// A break's id is the last row above it.
void WriteRowBreaks(pugi::xml_node worksheet, const std::vector<RowBreak>& breaks) {
    pugi::xml_node node = FreshElement(worksheet, "rowBreaks", breaks.empty());
    if (breaks.empty()) return;
    node.append_attribute("count") = breaks.size();
    node.append_attribute("manualBreakCount") = std::count_if(
        breaks.begin(), breaks.end(), [](const RowBreak& rowBreak) { return rowBreak.manual; });
    for (const RowBreak& brk : breaks) {
        pugi::xml_node entry = node.append_child("brk");
        entry.append_attribute("id") = brk.beforeRow - 1;
        entry.append_attribute("max") = kBreakMax;
        if (brk.manual) entry.append_attribute("man") = 1;
    }
}

// "A1:B2 D5" once columns first..last are deleted; empty when nothing is left.
std::string RangeListAfterColumnDeletion(std::string_view list, int first, int last) {
    std::string kept;
    while (!list.empty()) {
        const std::size_t space = list.find(' ');
        auto range = ParseCellRange(list.substr(0, space));
        list = space == std::string_view::npos ? std::string_view() : list.substr(space + 1);
        if (!range) continue;
        const auto span = ShrinkSpan(range->firstColumn, range->lastColumn, first, last);
        if (!span) continue;
        std::tie(range->firstColumn, range->lastColumn) = *span;
        kept += (kept.empty() ? "" : " ") + FormatCellRange(*range);
    }
    return kept;
}

// Moves the ranges of each `item` in `parent` (its attribute `attribute`) and
// the formulas of its children named in `formulas`; drops items left with none.
void ItemsAfterColumnDeletion(pugi::xml_node parent, const char* item, const char* attribute,
                              std::initializer_list<const char*> formulas,
                              std::string_view sheetName, int first, int last) {
    for (pugi::xml_node node = parent.child(item); node;) {
        const pugi::xml_node next = node.next_sibling(item);
        const std::string ranges =
            RangeListAfterColumnDeletion(node.attribute(attribute).value(), first, last);
        node.attribute(attribute) = ranges.c_str();
        for (const char* name : formulas) {
            for (const pugi::xpath_node& found : node.select_nodes(name)) {
                pugi::xml_node formula = found.node();
                formula.text() =
                    FormulaAfterColumnDeletion(formula.text().get(), true, sheetName, first, last)
                        .c_str();
            }
        }
        if (ranges.empty()) parent.remove_child(node);
        node = next;
    }
}

}  // namespace

void RangesAfterColumnDeletion(pugi::xml_node worksheet, std::string_view sheetName, int first,
                               int last) {
    ItemsAfterColumnDeletion(worksheet, "conditionalFormatting", "sqref", {"cfRule/formula"},
                             sheetName, first, last);
    pugi::xml_node validations = worksheet.child("dataValidations");
    ItemsAfterColumnDeletion(validations, "dataValidation", "sqref", {"formula1", "formula2"},
                             sheetName, first, last);
    const auto items = validations.children("dataValidation");
    const auto count = std::distance(items.begin(), items.end());
    if (count == 0) {
        worksheet.remove_child(validations);
    } else if (pugi::xml_attribute total = validations.attribute("count")) {
        total = count;
    }
    pugi::xml_node hyperlinks = worksheet.child("hyperlinks");
    ItemsAfterColumnDeletion(hyperlinks, "hyperlink", "ref", {}, sheetName, first, last);
    if (!hyperlinks.child("hyperlink")) worksheet.remove_child(hyperlinks);
}

SheetData ReadSheetGrid(pugi::xml_node worksheet, SharedStrings& strings,
                        std::string_view sheetName) {
    return GridReader(strings, sheetName).Read(worksheet);
}

void WriteSheetGrid(pugi::xml_node worksheet, const SheetData& data,
                    const FormulaResults& results) {
    WriteDimension(worksheet, data);
    WriteColumns(worksheet, data.columns);
    WriteSheetData(worksheet, data, results);
    WriteMerges(worksheet, data.merges);
    WriteRowBreaks(worksheet, data.rowBreaks);
}

pugi::xml_node PlaceWorksheetElement(pugi::xml_node worksheet, const char* name) {
    if (pugi::xml_node existing = worksheet.child(name)) return existing;
    const int order = OrderOf(name);
    for (pugi::xml_node child : worksheet.children()) {
        if (OrderOf(child.name()) > order) return worksheet.insert_child_before(name, child);
    }
    return worksheet.append_child(name);
}

}  // namespace nubera::sheet
