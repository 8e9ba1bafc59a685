#include "spreadsheet/ooxml/xlsx_worksheet.h"

#include <algorithm>
#include <cmath>

#include "spreadsheet/ooxml/grid/cell_text.h"
#include "spreadsheet/ooxml/grid/page_setup_xml.h"
#include "spreadsheet/ooxml/grid/sheet_xml.h"
#include "spreadsheet/ooxml/package/content_types.h"
#include "spreadsheet/ooxml/package/package.h"
#include "spreadsheet/ooxml/package/xml_part.h"
#include "spreadsheet/ooxml/workbook_calculation.h"
#include "spreadsheet/ooxml/xlsx_workbook.h"
#include "spreadsheet/spreadsheet_error.h"
#include "text/utf8_text.h"

namespace nubera::sheet {
namespace {

// A spreadsheet program keeps at most 1026 manual page breaks on a sheet.
constexpr std::size_t kMaxRowBreaks = 1026;
// The longest text a cell holds, in characters.
constexpr std::size_t kMaxCellText = 32767;

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::ranges::count_if(
        utf8, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Captions are drawn text: line breaks and tabs, no other control characters.
bool IsDrawableText(std::string_view text) {
    return IsValidUtf8(text) && std::ranges::none_of(text, [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return byte < 0x20 && c != '\n' && c != '\t';
           });
}

}  // namespace

XlsxWorksheet::XlsxWorksheet(XlsxWorkbook& book, std::string name, std::string part)
    : book_(book), name_(std::move(name)), part_(std::move(part)) {
    const Package& package = book_.Parts();
    ParseXmlPart(document_, package.Bytes(part_), part_);
    const pugi::xml_node root = document_.child("worksheet");
    if (!root)
        Fail("はワークシートではありません（パーツ「" + part_ + "」に<worksheet>がありません）");
    data_ = ReadSheetGrid(root, book_.Strings(), name_);
    relationships_ = package.RelationshipsOf(part_);
    LoadDrawing(package);
}

void XlsxWorksheet::Fail(const std::string& what) const {
    throw SpreadsheetError("シート「" + name_ + "」" + what);
}

void XlsxWorksheet::CheckCell(int row, int column) const {
    if (!IsValidCell(row, column)) {
        Fail("に" + std::to_string(row) + "行目・" + std::to_string(column) +
             "列目のセルはありません");
    }
}

void XlsxWorksheet::CheckRows(int first, int last) const {
    if (first < 1 || last < first || last > kMaxRow) {
        Fail("に" + std::to_string(first) + "〜" + std::to_string(last) + "行目はありません");
    }
}

void XlsxWorksheet::LoadDrawing(const Package& package) {
    const pugi::xml_node root = document_.child("worksheet");
    const pugi::xml_node element = root.child("drawing");
    if (!element) return;
    const Relationship* relationship =
        relationships_.FindById(element.attribute(RelationshipIdName(root).c_str()).value());
    if (!relationship) Fail("が参照する描画のリレーションシップがありません");
    drawingPart_ = relationships_.TargetPart(*relationship);
    drawing_.emplace(package.Bytes(drawingPart_), drawingPart_);
}

// A sheet without a drawing gets one when the first line is added: the part,
// the relationship to it and the <drawing> element at its place in the sheet.
Drawing& XlsxWorksheet::ForceDrawing() {
    if (drawing_) return *drawing_;
    Package& package = book_.Parts();
    drawingPart_ = package.UnusedPartName("xl/drawings/drawing", ".xml");
    package.Put(drawingPart_, {});  // claims the name until the sheet is written
    const std::string id = relationships_.Add(kDrawingRelationship, drawingPart_);
    relationshipsChanged_ = true;
    pugi::xml_node root = document_.child("worksheet");
    const std::string idName = RelationshipIdName(root);
    PlaceWorksheetElement(root, "drawing").append_attribute(idName.c_str()) = id.c_str();
    return drawing_.emplace();
}

SheetGeometry XlsxWorksheet::Geometry() const {
    return SheetGeometry(data_, book_.StyleSheet().MaxDigitWidth());
}

void XlsxWorksheet::PasteRows(const Worksheet& source, int first, int last, int targetRow) {
    const auto* sheet = dynamic_cast<const XlsxWorksheet*>(&source);
    if (!sheet || &sheet->book_ != &book_) {
        Fail("には同じブックのシートからしか行を貼り付けられません");
    }
    sheet->CheckRows(first, last);
    CheckRows(targetRow, targetRow + (last - first));
    data_.PasteRows(sheet->data_, first, last, targetRow);
}

void XlsxWorksheet::AddPageBreakBefore(int row) {
    if (row < 2 || row > kMaxRow)
        Fail("の" + std::to_string(row) + "行目の前には改ページを入れられません");
    if (data_.rowBreaks.size() >= kMaxRowBreaks) {
        Fail("の改ページはすでに上限の1026個に達しています");
    }
    data_.AddRowBreak(row);
}

std::vector<int> XlsxWorksheet::PageBreaks() const {
    std::vector<int> rows;
    for (const RowBreak& brk : data_.rowBreaks) rows.push_back(brk.beforeRow);
    return rows;
}

double XlsxWorksheet::PageBodyHeight() const {
    const PageSetup setup = ReadPageSetup(document_.child("worksheet"));
    const double scale = setup.fitToPage ? 1.0 : setup.scalePercent / 100.0;
    return setup.PrintableHeight() / scale;
}

void XlsxWorksheet::DeleteColumns(int first, int last) {
    if (first < 1 || last < first || last > kMaxColumn) {
        Fail("に" + std::to_string(first) + "〜" + std::to_string(last) + "列目はありません");
    }
    const std::vector<ColumnFormat> columnsBefore = data_.columns;
    data_.DeleteColumns(first, last);
    RangesAfterColumnDeletion(document_.child("worksheet"), name_, first, last);
    book_.FormulasAfterColumnDeletion(*this, first, last);
    if (drawing_) {
        const int digit = book_.StyleSheet().MaxDigitWidth();
        drawing_->FollowColumnDeletion(
            first, last, SheetGeometry(columnsBefore, data_.rows, data_.defaults, digit),
            Geometry());
    }
}

void XlsxWorksheet::SetNumber(int row, int column, double value) {
    CheckCell(row, column);
    if (!std::isfinite(value)) {
        Fail("のセル" + FormatCellAddress(row, column) + "には有限でない数値（" +
             NumberText(value) + "）を入れられません");
    }
    GridCell& cell = data_.CellAt(row, column);
    cell = GridCell{cell.style, CellKind::Number, value, -1, {}, {}};
}

void XlsxWorksheet::SetText(int row, int column, std::string_view text) {
    CheckCell(row, column);
    const std::string address = FormatCellAddress(row, column);
    if (!IsValidUtf8(text)) Fail("のセル" + address + "にはUTF-8でない文字列を入れられません");
    if (CharacterCount(text) > kMaxCellText) {
        Fail("のセル" + address + "には32767文字を超える文字列を入れられません");
    }
    if (text.empty()) return ClearContents(row, column);  // an empty value leaves the cell empty
    const int index = book_.Strings().Add(text);
    GridCell& cell = data_.CellAt(row, column);
    cell = GridCell{cell.style, CellKind::SharedText, 0, index, {}, {}};
}

void XlsxWorksheet::ClearContents(int row, int column) {
    CheckCell(row, column);
    const auto found = data_.rows.find(row);
    if (found == data_.rows.end()) return;
    const auto cell = found->second.cells.find(column);
    if (cell == found->second.cells.end()) return;
    GridCell cleared;
    cleared.style = cell->second.style;
    cell->second = std::move(cleared);
}

CellValue XlsxWorksheet::Value(int row, int column) const {
    CheckCell(row, column);
    return WorkbookCalculation(book_).ReaderValue(*this, row, column);
}

void XlsxWorksheet::AddLine(const LineShape& line) {
    ForceDrawing().AddLine(line);
}

std::vector<LineShape> XlsxWorksheet::Lines() const {
    return drawing_ ? drawing_->Lines(Geometry()) : std::vector<LineShape>{};
}

void XlsxWorksheet::AddTextBox(const TextBox& box) {
    if (!IsDrawableText(box.text) || box.text.find('\n') != std::string::npos) {
        Fail("のテキストボックス「" + box.name +
             "」に指定された文字列は表示できません（UTF-8でないか、改行や制御文字を含んでいます）");
    }
    if (drawing_ && drawing_->FindLabel(box.name, Geometry())) {
        Fail("にはテキストボックス「" + box.name + "」がすでにあります");
    }
    ForceDrawing().AddTextBox(box);
}

void XlsxWorksheet::SetLabelCaption(std::string_view name, std::string_view caption) {
    if (!IsDrawableText(caption)) {
        Fail("のラベル「" + std::string(name) +
             "」に指定された文字列は表示できません（UTF-8でないか、制御文字を含んでいます）");
    }
    if (!drawing_ || !drawing_->SetLabelCaption(name, caption)) {
        Fail("にラベル「" + std::string(name) + "」がありません");
    }
}

void XlsxWorksheet::MoveLabel(std::string_view name, double left, double top) {
    if (!(std::isfinite(left) && std::isfinite(top) && left >= 0 && top >= 0)) {
        Fail("のラベル「" + std::string(name) + "」を位置(" + NumberText(left) + ", " +
             NumberText(top) + ")に置けません");
    }
    if (!drawing_ || !drawing_->MoveLabel(name, left, top, Geometry())) {
        Fail("にラベル「" + std::string(name) + "」がありません");
    }
}

Label XlsxWorksheet::GetLabel(std::string_view name) const {
    std::optional<Label> label;
    if (drawing_) label = drawing_->FindLabel(name, Geometry());
    if (!label) Fail("にラベル「" + std::string(name) + "」がありません");
    return *label;
}

void XlsxWorksheet::ReplaceInHeadersAndFooters(std::string_view placeholder,
                                               std::string_view text) {
    if (placeholder.empty()) return;
    if (!IsValidUtf8(text)) Fail("のヘッダー・フッターにはUTF-8でない文字列を入れられません");
    for (pugi::xml_node part : document_.child("worksheet").child("headerFooter").children()) {
        std::string codes = part.text().get();
        for (std::size_t at = 0; (at = codes.find(placeholder, at)) != std::string::npos;
             at += text.size()) {
            codes.replace(at, placeholder.size(), text);
        }
        part.text() = codes.c_str();
    }
}

void XlsxWorksheet::RewriteFormulas(const std::function<std::string(const std::string&)>& rewrite) {
    data_.RewriteFormulas(rewrite);
}

void XlsxWorksheet::SetSelected(bool selected) {
    pugi::xml_node view = document_.child("worksheet").child("sheetViews").child("sheetView");
    if (!view) return;
    view.remove_attribute("tabSelected");
    if (selected) view.append_attribute("tabSelected") = 1;
}

void XlsxWorksheet::WriteTo(Package& package, ContentTypes& contentTypes,
                            WorkbookCalculation& calculation) {
    WriteSheetGrid(document_.child("worksheet"), data_, [&](int row, int column) {
        return calculation.FormulaResult(*this, row, column);
    });
    package.Put(part_, SerializeXml(document_));
    if (drawing_ && drawing_->Changed()) {
        package.Put(drawingPart_, drawing_->Serialize());
        contentTypes.SetOverride(drawingPart_, kDrawingType);
    }
    if (relationshipsChanged_) package.PutRelationships(part_, relationships_);
}

}  // namespace nubera::sheet
