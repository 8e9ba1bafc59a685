#pragma once

// Qt's PDF writer gives each glyph of an embedded font the first code point
// (in code order) that the font maps to it. A CJK font draws a Kangxi
// radical and the ideograph it stands for with one glyph (⼼ U+2F3C and
// 心 U+5FC3), so the text layer named the ideograph by its radical and a
// search for 心 found nothing.

#include <span>

namespace nubera::printout {

// Rewrites the fonts' text maps (ToUnicode CMaps) of a written PDF so that a
// glyph named by a radical with a compatibility ideograph is named by that
// ideograph. Each code keeps its length, so every offset of the file stays.
// A run of consecutive codes mapped by its first code only is left as it is;
// the writer uses that form only for ten or more glyphs in code order.
void NameIdeographsInTextMaps(std::span<char> pdf);

}  // namespace nubera::printout
