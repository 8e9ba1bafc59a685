#include "printout/workbook_printout.h"

#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::printout {

WorkbookPrintout::WorkbookPrintout(const std::filesystem::path& path,
                                   const std::vector<std::string>& sheetNames)
    : WorkbookPrintout(path, sheet::OpenPrintableWorkbook(path), sheetNames) {}

WorkbookPrintout::WorkbookPrintout(std::string_view bytes, const std::filesystem::path& path,
                                   const std::vector<std::string>& sheetNames)
    : WorkbookPrintout(path, sheet::OpenPrintableWorkbook(bytes, path), sheetNames) {}

WorkbookPrintout::WorkbookPrintout(const std::filesystem::path& path,
                                   std::unique_ptr<sheet::PrintableWorkbook> book,
                                   const std::vector<std::string>& sheetNames)
    : path_(path), book_(std::move(book)) {
    int number = 1;
    for (const std::string& name : sheetNames) {
        const sheet::PrintableSheet* sheet = book_->FindSheet(name);
        if (!sheet) {
            throw sheet::SpreadsheetError("ブック「" + path.string() + "」にシート「" + name +
                                          "」がありません");
        }
        sheets_.push_back(std::make_unique<SheetPrintout>(*sheet));
        const SheetPrintout& printout = *sheets_.back();
        number = printout.Setup().firstPageNumber.value_or(number);
        for (const PageArea& area : printout.Layout().pages) {
            pages_.push_back({&printout, &area, number++});
        }
    }
}

WorkbookPrintout::~WorkbookPrintout() = default;

}  // namespace nubera::printout
