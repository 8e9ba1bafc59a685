#pragma once

#include <string_view>
#include <vector>

namespace nubera {

// Splits text into lines without their endings. Project files end every line
// with CR LF; a lone LF or a lone CR ends a line as well, so a file that passed
// through an editor of another system still reads the same. A last line
// without an ending still counts; an ending at the very end of the text does
// not start another, empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The text up to the first line ending (all of it when there is none).
std::string_view FirstLine(std::string_view text);

}  // namespace nubera
