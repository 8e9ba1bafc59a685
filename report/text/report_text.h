#pragma once

#include <string>

#include "model/cell.h"
#include "model/point_name.h"  // CircledNumber, shared with the engine's messages

namespace nubera::report {

// A value in the "0.00" format, or empty text when it is missing.
std::string FormatOrBlank(const Cell& value);

// n written with full-width digits (U+FF10..U+FF19), as the block titles
// number the loads: 3 -> "３".
std::string FullWidthDigits(int n);

// A value as the report writes it into a sentence: the shortest decimal text
// of a number (a text cell read by the number-prefix rule), nothing for a
// missing value.
std::string NumberTextOrBlank(const Cell& value);

}  // namespace nubera::report
