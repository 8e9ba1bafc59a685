#pragma once

// The legacy 64-colour palette of spreadsheet files. Styles name colours by
// index into it (indexed="10"), and the old drawing object model's scheme
// colours are the same indexes: SchemeColor 8 is black, 10 red, 12 blue.

#include <cstdint>
#include <optional>

namespace nubera::sheet {

// 0xRRGGBB of palette entry `index` (0–63); nothing outside the palette.
std::optional<std::uint32_t> IndexedColor(int index);

// The first palette entry from 8 up (the range scheme colours use) holding
// `rgb`; nothing when the palette lacks it.
std::optional<int> IndexOfColor(std::uint32_t rgb);

}  // namespace nubera::sheet
