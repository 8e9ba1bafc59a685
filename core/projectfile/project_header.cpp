#include <algorithm>
#include <string>

#include "files/file_bytes.h"
#include "projectfile/project_file.h"
#include "projectfile/project_file_format.h"
#include "text/cp932.h"
#include "text/text_lines.h"

namespace nubera {

std::string ProjectHeaderLine() {
    return std::string(project_file::kHeader);
}

// The first field of the first line: leading blanks skipped, up to the first
// comma or the end of the line. It is compared as bytes with the encoded
// header, so a first line that is not even valid code page 932 is simply a
// wrong header.
HeaderCheck CheckProjectHeader(const std::filesystem::path& path) {
    // The longest line a project file may have, with its ending, holds any
    // first field worth comparing.
    const auto start = ReadFileBytes(path, project_file::kMaxLineBytes + 2);
    if (!start || start->empty()) return HeaderCheck::Unreadable;

    std::string_view field = FirstLine(*start);
    field.remove_prefix(std::min(field.find_first_not_of(" \t"), field.size()));
    field = field.substr(0, field.find(project_file::kSeparator));

    const auto header = Utf8ToCp932(ProjectHeaderLine());
    return header && field == *header ? HeaderCheck::Ok : HeaderCheck::WrongHeader;
}

}  // namespace nubera
