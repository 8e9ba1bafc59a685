#include "spreadsheet/ooxml/xlsx_printable_sheet.h"

#include "spreadsheet/number_format.h"
#include "spreadsheet/ooxml/drawing/drawn_shapes.h"
#include "spreadsheet/ooxml/grid/page_setup_xml.h"

namespace nubera::sheet {

XlsxPrintableSheet::XlsxPrintableSheet(const XlsxWorksheet& sheet, int sheetIndex,
                                       const Shared& shared)
    : sheet_(sheet),
      shared_(shared),
      geometry_(sheet.Geometry()),
      setup_(ReadPageSetup(sheet.Document().child("worksheet"))) {
    ReadPrintNames(shared.workbook, sheetIndex, setup_);
    if (const Drawing* drawing = sheet.DrawingPart()) {
        shapes_ = ReadDrawnShapes(drawing->Document().child("xdr:wsDr"), geometry_, shared.theme);
    }
}

std::vector<int> XlsxPrintableSheet::RowBreaks() const {
    std::vector<int> breaks;
    for (const RowBreak& brk : sheet_.Data().rowBreaks) {
        if (brk.manual) breaks.push_back(brk.beforeRow);
    }
    return breaks;
}

// The model keeps column breaks in the sheet's XML, as read.
std::vector<int> XlsxPrintableSheet::ColumnBreaks() const {
    std::vector<int> breaks;
    const pugi::xml_node worksheet = sheet_.Document().child("worksheet");
    for (pugi::xml_node brk : worksheet.child("colBreaks").children("brk")) {
        if (brk.attribute("man").as_bool()) breaks.push_back(brk.attribute("id").as_int() + 1);
    }
    return breaks;
}

std::vector<CellAddress> XlsxPrintableSheet::Cells() const {
    std::vector<CellAddress> cells;
    for (const auto& [number, row] : sheet_.Data().rows) {
        for (const auto& [column, cell] : row.cells) cells.push_back({number, column});
    }
    return cells;
}

const CellFormat& XlsxPrintableSheet::FormatAt(int row, int column) const {
    const SheetData& data = sheet_.Data();
    if (const GridCell* cell = data.FindCell(row, column)) return shared_.formats.Of(cell->style);
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

std::optional<ShownValue> XlsxPrintableSheet::Shown(int row, int column) const {
    const GridCell* cell = sheet_.Data().FindCell(row, column);
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

bool XlsxPrintableSheet::HasValue(int row, int column) const {
    const GridCell* cell = sheet_.Data().FindCell(row, column);
    return cell && cell->kind != CellKind::Empty;
}

}  // namespace nubera::sheet
