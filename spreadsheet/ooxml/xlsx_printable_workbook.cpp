#include "spreadsheet/ooxml/xlsx_printable_workbook.h"

#include <algorithm>
#include <optional>
#include <string>

#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/ooxml/package/document_properties.h"
#include "spreadsheet/ooxml/package/relationships.h"
#include "spreadsheet/ooxml/package/xml_part.h"

namespace nubera::sheet {

std::unique_ptr<PrintableWorkbook> OpenPrintableWorkbook(const std::filesystem::path& path) {
    return std::make_unique<XlsxPrintableWorkbook>(path);
}

std::unique_ptr<PrintableWorkbook> OpenPrintableWorkbook(std::string_view bytes,
                                                         const std::filesystem::path& path) {
    return std::make_unique<XlsxPrintableWorkbook>(Package::Read(bytes, path));
}

XlsxPrintableWorkbook::XlsxPrintableWorkbook(const std::filesystem::path& path)
    : XlsxPrintableWorkbook(Package::Read(path)) {}

XlsxPrintableWorkbook::XlsxPrintableWorkbook(Package package) : book_(std::move(package)) {
    ReadTheme();
    properties_ = ReadDocumentProperties(book_.Parts());
    formats_ = std::make_unique<CellFormats>(book_.StyleSheet(), theme_);
    shared_ = std::make_unique<XlsxPrintableSheet::Shared>(XlsxPrintableSheet::Shared{
        *formats_, theme_, book_.Strings(), book_.WorkbookDocument().child("workbook")});
}

const PrintableSheet* XlsxPrintableWorkbook::FindSheet(std::string_view name) {
    const std::vector<std::string> names = book_.SheetNames();
    const auto found = std::find(names.begin(), names.end(), name);
    const XlsxWorksheet* sheet = book_.FindSheet(name);
    if (found == names.end() || !sheet) return nullptr;
    const auto index = static_cast<int>(found - names.begin());
    sheets_.push_back(std::make_unique<XlsxPrintableSheet>(*sheet, index, *shared_));
    return sheets_.back().get();
}

void XlsxPrintableWorkbook::ReadTheme() {
    const std::optional<std::string> part =
        book_.WorkbookRelationships().PartOfType(kThemeRelationship);
    if (!part || !book_.Parts().Has(*part)) return;
    pugi::xml_document document;
    ParseXmlPart(document, book_.Parts().Bytes(*part), *part);
    theme_.Load(document.child("a:theme"));
}

}  // namespace nubera::sheet
