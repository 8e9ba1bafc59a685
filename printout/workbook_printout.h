#pragma once

// The printed pages of a saved workbook's sheets, in the order asked for and
// numbered through as one print job: what the print preview shows, what is
// printed and what is written as PDF.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "printout/sheet_printout.h"
#include "spreadsheet/printable_workbook.h"

namespace nubera::printout {

struct PrintedPage {
    const SheetPrintout* sheet = nullptr;
    const PageArea* area = nullptr;
    int number = 1;  // the page number its header and footer show
};

class WorkbookPrintout {
  public:
    // Reads the workbook. Throws SpreadsheetError naming the file, or a sheet
    // it does not hold.
    WorkbookPrintout(const std::filesystem::path& path, const std::vector<std::string>& sheetNames);
    // The same from the bytes of a saved workbook held in memory, which
    // `path` names.
    WorkbookPrintout(std::string_view bytes, const std::filesystem::path& path,
                     const std::vector<std::string>& sheetNames);
    ~WorkbookPrintout();
    WorkbookPrintout(const WorkbookPrintout&) = delete;
    WorkbookPrintout& operator=(const WorkbookPrintout&) = delete;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    const PrintedPage& Page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    const std::filesystem::path& Path() const { return path_; }
    const sheet::FontFormat& DefaultFont() const { return book_->DefaultFont(); }
    // The workbook's title and writing program, from its document properties.
    const sheet::DocumentProperties& Properties() const { return book_->Properties(); }

  private:
    WorkbookPrintout(const std::filesystem::path& path,
                     std::unique_ptr<sheet::PrintableWorkbook> book,
                     const std::vector<std::string>& sheetNames);

    std::filesystem::path path_;
    std::unique_ptr<sheet::PrintableWorkbook> book_;
    std::vector<std::unique_ptr<SheetPrintout>> sheets_;
    std::vector<PrintedPage> pages_;
};

}  // namespace nubera::printout
