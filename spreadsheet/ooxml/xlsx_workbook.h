#pragma once

// A workbook read from an Office Open XML package. Parts the model does not
// change are written back byte for byte; sheets are read when first used.

#include <filesystem>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "spreadsheet/ooxml/grid/shared_strings.h"
#include "spreadsheet/ooxml/package/content_types.h"
#include "spreadsheet/ooxml/package/package.h"
#include "spreadsheet/ooxml/styles/styles.h"
#include "spreadsheet/ooxml/xlsx_worksheet.h"
#include "spreadsheet/workbook.h"

namespace nubera::sheet {

// The parts of a package as read, kept for opening workbooks from them.
class WorkbookImage {
  public:
    explicit WorkbookImage(Package package) : package_(std::move(package)) {}
    const Package& Parts() const { return package_; }

  private:
    Package package_;
};

class XlsxWorkbook final : public Workbook {
  public:
    // Throws SpreadsheetError naming the file when it cannot be read.
    explicit XlsxWorkbook(const std::filesystem::path& path);
    // Starts from `package` as read. Throws SpreadsheetError naming its file.
    explicit XlsxWorkbook(Package package);

    std::vector<std::string> SheetNames() const override;
    Worksheet& Sheet(std::string_view name) override;
    Worksheet& SheetAt(std::size_t index) override;
    void DeleteSheet(std::string_view name) override;
    void DeleteSheetAt(std::size_t index) override;
    void SetDocumentProperties(const DocumentProperties& properties) override;
    void SaveAs(const std::filesystem::path& path) override;
    std::string SavedBytes() override;

    // What the sheets share.
    const Package& Parts() const { return package_; }
    Package& Parts() { return package_; }
    SharedStrings& Strings() { return strings_; }
    const SharedStrings& Strings() const { return strings_; }
    const Styles& StyleSheet() const { return styles_; }
    // The workbook part: its defined names hold the print areas and titles.
    const pugi::xml_document& Document() const { return workbookXml_; }
    // The workbook part (sheet list, defined names) and its relationships, for readers.
    const pugi::xml_document& WorkbookDocument() const { return workbookXml_; }
    const Relationships& WorkbookRelationships() const { return workbookRelationships_; }
    // The sheet of that name, read if it was not yet; nullptr when there is none.
    XlsxWorksheet* FindSheet(std::string_view name);

    // Every formula of the workbook, defined names included, follows the
    // deletion of columns first..last of `sheet`.
    void FormulasAfterColumnDeletion(const XlsxWorksheet& sheet, int first, int last);

  private:
    struct SheetEntry {
        std::string name;
        std::string part;
        std::string relationshipId;
        std::unique_ptr<XlsxWorksheet> sheet;  // read when first used
    };

    void ReadWorkbookPart();
    void CheckWorkbookRelationships() const;
    void ReadSheetList();
    XlsxWorksheet& Loaded(SheetEntry& entry);
    // Reads every sheet whose part holds `text`, so that a change can reach
    // its formulas.
    void LoadSheetsMentioning(std::string_view text);
    void RewriteDefinedNames(const std::function<std::string(const std::string&)>& rewrite);
    void RemoveSheetEntry(std::size_t index);
    void WriteWorkbookParts(bool someFormulaUnknown);
    void WriteSharedStrings();
    void RemoveSheetTitles();
    // Every part brought up to date for writing, and checked as other
    // readers will read it.
    void PrepareSave();
    // Throws SpreadsheetError naming the first part other readers would refuse.
    void CheckParts() const;

    Package package_;
    ContentTypes contentTypes_;
    std::string workbookPart_;
    pugi::xml_document workbookXml_;
    Relationships workbookRelationships_;
    SharedStrings strings_;
    std::string stringsPart_;
    Styles styles_;
    std::vector<SheetEntry> sheets_;
    bool sheetsDeleted_ = false;
    std::optional<DocumentProperties> properties_;
};

}  // namespace nubera::sheet
