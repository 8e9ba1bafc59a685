#pragma once

#include <string>
#include <string_view>

namespace nubera::cli {

// `text` as one field of a printed line: a tab, a line break or a carriage
// return as \t, \n, \r, every other control character (ESC among them) as
// \xHH, and a backslash doubled. A name read from a file then keeps its
// line and its table cell whole and never sends a terminal a command.
std::string EscapedText(std::string_view text);

}  // namespace nubera::cli
