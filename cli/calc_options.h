#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "model/placement.h"

namespace nubera::cli {

// What `nubera-cli calc` was asked to do.
struct CalcOptions {
    std::vector<std::filesystem::path> projects;  // project files and folders as given
    bool recursive = false;                       // a folder's subfolders too
    bool json = false;
    std::optional<Placement> placement;  // nothing: as the file's manual points decide
    bool writeWorkbook = true;
    std::filesystem::path outputFolder = ".";
    bool besideProject = false;                // each workbook in its project's folder
    bool replace = false;                      // a batch replaces workbooks of the same name
    std::optional<std::filesystem::path> csv;  // the batch summary as CSV
    unsigned jobs = 1;                         // projects computed at once
    std::filesystem::path templatePath;        // the report template beside the executable
    bool writePdf = false;                     // the workbook's printed pages beside it
    std::filesystem::path pdfTool;             // nubera-pdf beside the executable

    // A batch: several projects or a folder of them, or an output only a
    // batch has. Otherwise one project file, run as it always was.
    bool IsBatch() const;
};

}  // namespace nubera::cli
