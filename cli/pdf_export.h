#pragma once

#include <filesystem>
#include <optional>
#include <string>

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

}  // namespace nubera::cli
