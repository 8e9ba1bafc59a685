#pragma once

#include <filesystem>
#include <optional>

#include "placement.h"

namespace nubera::cli {

// What `nubera-cli calc` was asked to do.
struct CalcOptions {
    std::filesystem::path project;
    bool json = false;
    std::optional<Placement> placement;  // nothing: as the file's manual points decide
    bool writeWorkbook = true;
    std::filesystem::path outputFolder = ".";
    std::filesystem::path templatePath;  // the report template beside the executable
    bool writePdf = false;               // the workbook's printed pages beside it
    std::filesystem::path pdfTool;       // nubera-pdf beside the executable
};

}  // namespace nubera::cli
