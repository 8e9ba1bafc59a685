#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/atomic_file.h"

namespace nubera::cli {

// The program beside nubera-cli that draws a workbook's printed pages.
inline constexpr const char* kPdfToolName = "nubera-pdf";

// The extension of the PDF written beside a workbook.
inline constexpr const char* kPdfExtension = ".pdf";

// The PDF of `workbook`: its name with the extension ".pdf".
std::filesystem::path PdfPathOf(const std::filesystem::path& workbook);

// Writes the printed pages of a saved result workbook (the sheets a run
// shows) as a PDF beside it, named by PdfPathOf, by running `tool`: a program
// of its own, so that nubera-cli itself starts without Qt's graphics
// libraries. A file of the PDF's name is replaced only when `existing` says
// so. Returns the PDF's path, or nothing with *error saying what failed.
std::optional<std::filesystem::path> WriteResultPdf(const std::filesystem::path& tool,
                                                    const std::filesystem::path& workbook,
                                                    bool alsoLateral, ExistingFile existing,
                                                    std::string* error);

// A workbook of a batch whose printed pages are wanted.
struct PdfRequest {
    std::filesystem::path workbook;
    bool alsoLateral = false;
};

// What became of one request: the PDF, or why there is none.
struct PdfOutcome {
    std::optional<std::filesystem::path> pdf;
    std::string error;
};

// The same for every workbook of a batch with one run of `tool`, which
// starts its graphics once; a workbook that fails does not stop the others.
// Returns one outcome per request, in order.
std::vector<PdfOutcome> WriteResultPdfs(const std::filesystem::path& tool,
                                        const std::vector<PdfRequest>& requests,
                                        ExistingFile existing);

}  // namespace nubera::cli
