#pragma once

#include "report/text/report_context.h"
#include "spreadsheet/workbook.h"

namespace nubera::report {

// What the template's page headers and footers hold in place of the run's
// project file and time, so that a user can move or restyle them there.
inline constexpr const char* kProjectPlaceholder = "[プロジェクト]";
inline constexpr const char* kRunTimePlaceholder = "[計算日時]";

// Puts the project's title (or the project file's name) and the run's time
// into the page headers and footers of every sheet, and the title, the program
// and the run's time into the document properties.
void WriteTitleBlocks(sheet::Workbook& book, const ProjectDescription& description,
                      const ReportContext& context);

}  // namespace nubera::report
