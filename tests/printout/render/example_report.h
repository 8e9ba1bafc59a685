#pragma once

// The example projects run as the command-line tool runs them, with their
// result workbooks saved for the rendering tests.

#include <filesystem>
#include <string>
#include <vector>

#include "model/calc_results.h"
#include "model/project_data.h"
#include "report/text/report_context.h"

namespace nubera::test {

struct ExampleReport {
    ProjectData project;
    CalcResults results;
    report::ReportContext context;
    std::filesystem::path workbook;
};

// Runs examples/<name> and saves its workbook in a fresh folder of the build
// tree, named after the running test.
ExampleReport RunExample(const std::string& name);

// The standard output of a shell command.
std::string CommandOutput(const std::string& command);

// A word of a PDF page as poppler's pdftotext reads it, in points from the
// page's top-left corner.
struct PdfWord {
    std::string text;
    double left, top, right, bottom;
};

// The words of page `page` (1-based), as the PDF's text layer names them.
std::vector<PdfWord> PdfWords(const std::filesystem::path& pdf, int page);

}  // namespace nubera::test
