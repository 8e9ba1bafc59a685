#pragma once

// A worksheet of an Office Open XML workbook: its grid held as SheetData,
// its drawing as a Drawing, and the rest of its XML (views, page setup,
// print settings) kept as read.

#include <optional>
#include <pugixml.hpp>
#include <string>

#include "spreadsheet/ooxml/drawing/drawing.h"
#include "spreadsheet/ooxml/grid/sheet_data.h"
#include "spreadsheet/ooxml/grid/sheet_geometry.h"
#include "spreadsheet/ooxml/package/relationships.h"
#include "spreadsheet/worksheet.h"

namespace nubera::sheet {

class ContentTypes;
class Package;
class WorkbookCalculation;
class XlsxWorkbook;

class XlsxWorksheet final : public Worksheet {
  public:
    // Reads the sheet from its part. Throws SpreadsheetError naming the sheet.
    XlsxWorksheet(XlsxWorkbook& book, std::string name, std::string part);

    const std::string& Name() const override { return name_; }

    void PasteRows(const Worksheet& source, int first, int last, int targetRow) override;
    void AddPageBreakBefore(int row) override;
    std::vector<int> PageBreaks() const override;
    double RowHeight(int row) const override { return Geometry().RowHeight(row); }
    double PageBodyHeight() const override;
    void DeleteColumns(int first, int last) override;

    void SetNumber(int row, int column, double value) override;
    void SetText(int row, int column, std::string_view text) override;
    void ClearContents(int row, int column) override;
    CellValue Value(int row, int column) const override;

    void AddLine(const LineShape& line) override;
    std::vector<LineShape> Lines() const override;
    void AddTextBox(const TextBox& box) override;

    void SetLabelCaption(std::string_view name, std::string_view caption) override;
    void MoveLabel(std::string_view name, double left, double top) override;
    Label GetLabel(std::string_view name) const override;

    void ReplaceInHeadersAndFooters(std::string_view placeholder, std::string_view text) override;

    // The model behind the sheet, for the workbook and for readers.
    const SheetData& Data() const { return data_; }
    SheetGeometry Geometry() const;
    const Drawing* DrawingPart() const { return drawing_ ? &*drawing_ : nullptr; }
    // The sheet's XML apart from its grid (views, page setup, print options).
    const pugi::xml_document& Document() const { return document_; }

    // Formula references follow a change elsewhere in the workbook.
    void RewriteFormulas(const std::function<std::string(const std::string&)>& rewrite);
    // Marks the sheet's view selected (the active sheet) or not.
    void SetSelected(bool selected);
    // Writes the sheet, its drawing and its relationships into the package,
    // every formula with the value `calculation` gives it.
    void WriteTo(Package& package, ContentTypes& contentTypes, WorkbookCalculation& calculation);

  private:
    [[noreturn]] void Fail(const std::string& what) const;
    void CheckCell(int row, int column) const;
    void CheckRows(int first, int last) const;
    void LoadDrawing(const Package& package);
    Drawing& ForceDrawing();

    XlsxWorkbook& book_;
    std::string name_;
    std::string part_;
    pugi::xml_document document_;
    SheetData data_;
    Relationships relationships_;
    bool relationshipsChanged_ = false;
    std::optional<Drawing> drawing_;
    std::string drawingPart_;
};

}  // namespace nubera::sheet
