#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/batch/project_list.h"
#include "cli/calc_options.h"

namespace nubera::cli {

// A project of a batch with the name its workbook will get.
struct PlannedProject {
    std::filesystem::path project;
    std::filesystem::path workbook;  // empty when no workbook is written
    std::string refusal;             // why it is refused before it is read; empty otherwise
};

// "<project name>_即時沈下量計算結果.xlsx" in the output folder, or beside the
// project when asked to.
std::filesystem::path BatchWorkbookPath(const std::filesystem::path& project,
                                        const CalcOptions& options);

// The projects of a batch in order, each with the name its workbook gets,
// checked before any project is read. Of each project only its path's text
// and why it is refused are held, so that a long batch holds little more
// than its list; the rest is made again when asked for.
class BatchPlan {
  public:
    // Names the workbook of every listed project that can be read; one that
    // cannot (missing, not a regular file) is refused. A project whose
    // workbook would take the name of an earlier one's (projects of the same
    // name from different folders) is refused, and so, unless replacing is
    // asked for, is one whose PDF would be written over a file that is
    // already there. `options` must outlive the plan.
    BatchPlan(std::vector<ListedProject> listed, const CalcOptions& options);

    std::size_t Size() const { return projects_.size(); }
    // The project at place `i`. Safe to ask from several threads at once.
    PlannedProject At(std::size_t i) const;

  private:
    struct Project {
        ListedProject listed;
        bool writesWorkbook = false;
    };
    std::vector<Project> projects_;
    const CalcOptions& options_;
};

}  // namespace nubera::cli
