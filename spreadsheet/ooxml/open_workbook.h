#pragma once

// Workbooks of the spreadsheet model opened from Office Open XML packages
// (.xlsx, .xltx): the way in to the model for the layers above it, which
// link this target. The model's own headers name no file format.

#include <filesystem>
#include <memory>
#include <string_view>

#include "spreadsheet/printable_workbook.h"
#include "spreadsheet/workbook.h"

namespace nubera::sheet {

// A package read into memory once. It is never changed after reading, so
// several threads may open workbooks from one image at the same time.
class WorkbookImage;

// Throws SpreadsheetError naming the file when it cannot be read.
std::unique_ptr<Workbook> OpenWorkbook(const std::filesystem::path& path);

// Reads the package once, for opening many workbooks from it without the
// file. Throws SpreadsheetError naming the file when it cannot be read, and
// naming the part as well when other readers would refuse the package (an
// XML part not well-formed, a content type missing).
std::shared_ptr<const WorkbookImage> ReadWorkbookImage(const std::filesystem::path& path);

// A workbook of its own, starting from a copy of the image's parts. Throws
// SpreadsheetError naming the file the image was read from.
std::unique_ptr<Workbook> OpenWorkbook(const WorkbookImage& image);

// A saved workbook read for printing. Throws SpreadsheetError naming the
// file when it cannot be read.
std::unique_ptr<PrintableWorkbook> OpenPrintableWorkbook(const std::filesystem::path& path);
// The same from the bytes of a saved workbook held in memory (read as the
// file holding them would be); `path` names them in messages.
std::unique_ptr<PrintableWorkbook> OpenPrintableWorkbook(std::string_view bytes,
                                                         const std::filesystem::path& path);

}  // namespace nubera::sheet
