#pragma once

// A colour as printing uses it, whatever way the workbook named it.

#include <cstdint>

namespace nubera::sheet {

using Rgb = std::uint32_t;  // 0xRRGGBB

}  // namespace nubera::sheet
