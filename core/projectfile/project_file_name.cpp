#include "projectfile/project_file.h"

namespace nubera {

std::filesystem::path WithProjectExtension(std::filesystem::path name) {
    if (!name.has_extension()) name += kProjectFileExtension;
    return name;
}

}  // namespace nubera
