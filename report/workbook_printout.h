#pragma once

// The printed pages of a saved workbook's sheets, in the order asked for and
// numbered through as one print job: what the print preview shows, what is
// printed and what is written as PDF.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "sheet_printout.h"
#include "xlsx_workbook.h"

namespace nubera::sheet {

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
    ~WorkbookPrintout();
    WorkbookPrintout(const WorkbookPrintout&) = delete;
    WorkbookPrintout& operator=(const WorkbookPrintout&) = delete;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    const PrintedPage& Page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    const std::filesystem::path& Path() const { return path_; }
    const FontFormat& DefaultFont() const { return formats_->DefaultFont(); }

  private:
    void ReadTheme();

    std::filesystem::path path_;
    XlsxWorkbook book_;
    ThemeColors theme_;
    std::unique_ptr<CellFormats> formats_;
    std::unique_ptr<SheetPrintout::Shared> shared_;
    std::vector<std::unique_ptr<SheetPrintout>> sheets_;
    std::vector<PrintedPage> pages_;
};

}  // namespace nubera::sheet
