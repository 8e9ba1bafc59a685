#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/batch/batch_names.h"
#include "cli/calc_options.h"

namespace nubera::cli {

// Why the batch summary may not be written to `csv`, or nothing: it names a
// file this call reads or writes (a project, a workbook or PDF it writes, the
// template, the PDF helper), which it never replaces, or, unless replacing is
// asked for, a file that is already there.
std::string CsvTargetRefusal(const std::filesystem::path& csv, const BatchPlan& plan,
                             const CalcOptions& options);

}  // namespace nubera::cli
