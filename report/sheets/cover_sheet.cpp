#include "report/sheets/cover_sheet.h"

namespace nubera::report {
namespace {

constexpr int kRowHeading = 1;
constexpr int kColHeading = 1;  // A
// The descriptive fields and the run, each value in column C (merged to J).
constexpr int kColValue = 3;
constexpr int kRowTitle = 3;
constexpr int kRowSection = 4;
constexpr int kRowRevision = 5;
constexpr int kRowNotes = 6;
constexpr int kRowProgram = 8;
constexpr int kRowProject = 9;
constexpr int kRowDigest = 10;
constexpr int kRowRunTime = 11;
// The sign-off boxes: the names under 設計, 照査 and 承認.
constexpr int kRowNames = 14;
constexpr int kColDesigner = 3;  // C:D
constexpr int kColChecker = 5;   // E:F
constexpr int kColApprover = 7;  // G:H

std::string HeadingText(bool alsoLateral) {
    return alsoLateral ? "即時沈下量・側方変位量 計算書" : "即時沈下量 計算書";
}

}  // namespace

void WriteCoverSheet(sheet::Workbook& book, const ProjectData& project,
                     const ReportContext& context) {
    sheet::Worksheet& cover = book.Sheet(kCoverSheet);
    const ProjectDescription& description = project.description;
    cover.SetText(kRowHeading, kColHeading, HeadingText(project.alsoLateral));
    cover.SetText(kRowTitle, kColValue, description.title);
    cover.SetText(kRowSection, kColValue, description.section);
    cover.SetText(kRowRevision, kColValue, description.revision);
    cover.SetText(kRowNotes, kColValue, description.notes);
    cover.SetText(kRowProgram, kColValue, ProgramText());
    cover.SetText(kRowProject, kColValue, ProjectNameText(context));
    cover.SetText(kRowDigest, kColValue, ProjectDigestText(context));
    cover.SetText(kRowRunTime, kColValue, RunTimeText(context));
    cover.SetText(kRowNames, kColDesigner, description.designer);
    cover.SetText(kRowNames, kColChecker, description.checker);
    cover.SetText(kRowNames, kColApprover, description.approver);
}

}  // namespace nubera::report
