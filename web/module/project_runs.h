#pragma once

#include <string>
#include <string_view>

namespace nubera::web {

// What the page is told of a project file: the command line's answer to the
// same file, or the message it refuses it with.
struct Answer {
    std::string refusal;  // empty when the file was taken
    std::string json;     // nubera-cli calc --json's object
    std::string view;     // what the page shows of it (ResultView)
    std::string name;     // the workbook's file name
    std::string bytes;    // the workbook
};

// The project file's bytes loaded and calculated as nubera-cli calc
// --json --no-workbook does, under the file's name: the same JSON, or the
// same message; with `withView`, also what the page shows of it.
Answer CalculateProject(std::string_view bytes, std::string_view fileName, bool withView);

// The same calculation and its result workbook, filled and checked as the
// programs do, under the name the desktop gives a saved project's workbook.
Answer WorkbookOfProject(std::string_view bytes, std::string_view fileName);

}  // namespace nubera::web
