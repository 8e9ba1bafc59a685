#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace nubera {

// How wide a piece of text is drawn, in the caller's unit (pixels on screen).
using TextWidth = std::function<double(std::string_view utf8)>;

// A message's lines as a message box shows them: the program's own line
// breaks only, never one inside a word. A line wider than `maxWidth` (the
// screen's width) is broken after 、 or 。: at the last such place that keeps
// the line within the width, else at the first one; a line without such a
// place stays whole.
std::string BreakLongLines(std::string_view text, double maxWidth, const TextWidth& width);

}  // namespace nubera
