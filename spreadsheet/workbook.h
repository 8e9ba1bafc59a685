#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/worksheet.h"

namespace nubera::sheet {

// What a workbook says about itself in its document properties.
struct DocumentProperties {
    std::string title;
    std::string program;  // the writing program with its version
    std::chrono::sys_seconds created;
};

// A workbook read from a package (spreadsheet/ooxml/open_workbook.h opens
// one), changed through the few operations the report needs, and written
// back as .xlsx with every part it did not touch (styles, theme, page setup,
// print settings) carried through unchanged.
class Workbook {
  public:
    virtual ~Workbook() = default;

    virtual std::vector<std::string> SheetNames() const = 0;
    // Throws SpreadsheetError naming the sheet when it does not exist.
    virtual Worksheet& Sheet(std::string_view name) = 0;
    virtual Worksheet& SheetAt(std::size_t index) = 0;
    virtual void DeleteSheet(std::string_view name) = 0;
    virtual void DeleteSheetAt(std::size_t index) = 0;
    // Written into the package's core and extended properties on saving.
    virtual void SetDocumentProperties(const DocumentProperties& properties) = 0;

    // Writes a workbook (not a template), every formula with its computed
    // value. Throws SpreadsheetError naming the file and the reason, or the
    // part that other readers would refuse.
    virtual void SaveAs(const std::filesystem::path& path) = 0;
    // The same workbook as the bytes of an .xlsx file, for a caller that
    // publishes the file itself. Throws SpreadsheetError.
    virtual std::string SavedBytes() = 0;
};

}  // namespace nubera::sheet
