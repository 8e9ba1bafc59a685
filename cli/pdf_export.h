#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace nubera::cli {

// The program beside nubera-cli that draws a workbook's printed pages.
inline constexpr const char* kPdfToolName = "nubera-pdf";

// Writes the printed pages of a saved result workbook (the sheets a run
// shows) as a PDF beside it, named as the workbook with the extension ".pdf",
// by running `tool`: a program of its own, so that nubera-cli itself starts
// without Qt's graphics libraries. Returns the PDF's path, or nothing with
// *error saying what failed.
std::optional<std::filesystem::path> WriteResultPdf(const std::filesystem::path& tool,
                                                    const std::filesystem::path& workbook,
                                                    bool alsoLateral, std::string* error);

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
                                        const std::vector<PdfRequest>& requests);

}  // namespace nubera::cli
