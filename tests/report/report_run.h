#pragma once

// Projects run through the engine for the report tests, and the files they use.

#include <filesystem>
#include <string>
#include <string_view>

#include "model/calc_results.h"
#include "model/placement.h"
#include "model/project_data.h"
#include "report/text/report_context.h"

namespace nubera::test {

struct ReportRun {
    ProjectData project;
    CalcResults results;
    report::ReportContext context;  // a saved project run at a fixed time
};

// One fill block, no surcharge, settlement only, points placed automatically.
ReportRun OneBlockRun();
// Five stacked fill blocks, a surcharge on the top one, lateral displacement
// too (Poisson's ratio 0.3), points placed automatically.
ReportRun FiveBlockRun();
// Two blocks with points ① to ⑥ placed by hand and ⑦ to ⑪ left empty.
ReportRun ManualPointsRun();
// The most the screens take: 20 soil layers, five blocks with a surcharge,
// all 11 points placed by hand, lateral displacement too.
ReportRun LargestRun();

// The packed template beside the programs.
std::filesystem::path TemplatePath();
// An empty folder of the build tree for one test's files.
std::filesystem::path FreshFolder(std::string_view name);
// The template packed from its parts into `folder` with the text `from` of
// one part replaced by `to`.
std::filesystem::path ChangedTemplate(const std::filesystem::path& folder, const std::string& part,
                                      const std::string& from, const std::string& to);

}  // namespace nubera::test
