#include "workbook_printout.h"

#include <algorithm>

#include "spreadsheet_error.h"
#include "xml_part.h"

namespace nubera::sheet {
namespace {

constexpr const char* kThemeRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/theme";

}  // namespace

WorkbookPrintout::WorkbookPrintout(const std::filesystem::path& path,
                                   const std::vector<std::string>& sheetNames)
    : path_(path), book_(path) {
    ReadTheme();
    formats_ = std::make_unique<CellFormats>(book_.StyleSheet(), theme_);
    shared_ = std::make_unique<SheetPrintout::Shared>(SheetPrintout::Shared{
        *formats_, theme_, book_.Strings(), book_.WorkbookDocument().child("workbook")});
    const std::vector<std::string> names = book_.SheetNames();
    int number = 1;
    for (const std::string& name : sheetNames) {
        const auto found = std::find(names.begin(), names.end(), name);
        XlsxWorksheet* sheet = book_.FindSheet(name);
        if (found == names.end() || !sheet) {
            throw SpreadsheetError("ブック「" + path.string() + "」にシート「" + name +
                                   "」がありません");
        }
        const auto index = static_cast<int>(found - names.begin());
        sheets_.push_back(std::make_unique<SheetPrintout>(*sheet, index, *shared_));
        const SheetPrintout& printout = *sheets_.back();
        number = printout.Setup().firstPageNumber.value_or(number);
        for (const PageArea& area : printout.Layout().pages) {
            pages_.push_back({&printout, &area, number++});
        }
    }
}

WorkbookPrintout::~WorkbookPrintout() = default;

void WorkbookPrintout::ReadTheme() {
    const std::optional<std::string> part =
        book_.WorkbookRelationships().PartOfType(kThemeRelationship);
    if (!part || !book_.Parts().Has(*part)) return;
    pugi::xml_document document;
    ParseXmlPart(document, book_.Parts().Bytes(*part), *part);
    theme_.Load(document.child("a:theme"));
}

}  // namespace nubera::sheet
