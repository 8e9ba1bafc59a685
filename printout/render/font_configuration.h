#pragma once

// The font configuration that Qt finds its fonts through (fontconfig),
// loaded by this program before Qt asks for it. fontconfig's own first load
// also reads every file of its folder of configuration templates, only to
// describe them to configuration tools: a third of the load, and nothing
// that a font is matched by. This loads the same configuration (honouring
// FONTCONFIG_FILE and FONTCONFIG_PATH as fontconfig does) without them.

namespace nubera::printout {

// Loads it and makes it current, or, should that fail, leaves the loading
// to fontconfig. Needs no Qt: it can run on another thread while Qt starts,
// as long as it has ended before Qt first looks for a font.
void LoadFontConfiguration();

}  // namespace nubera::printout
