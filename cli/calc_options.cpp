#include "cli/calc_options.h"

namespace nubera::cli {

bool CalcOptions::IsBatch() const {
    std::error_code unknown;  // what cannot be looked at is taken for a file
    return projects.size() != 1 || std::filesystem::is_directory(projects.front(), unknown) ||
           recursive || besideProject || replace || csv.has_value();
}

}  // namespace nubera::cli
