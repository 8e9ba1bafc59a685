#pragma once

// GridCell texts as the package stores them: control characters, which XML cannot
// carry, are written as _xHHHH_ escapes (and a literal "_xHHHH_" is escaped in
// turn as "_x005F_xHHHH_").

#include <string>
#include <string_view>

namespace nubera::sheet {

std::string EscapeCellText(std::string_view text);
std::string UnescapeCellText(std::string_view stored);

}  // namespace nubera::sheet
