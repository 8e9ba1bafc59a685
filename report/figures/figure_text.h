#pragma once

#include <string>
#include <string_view>

#include "spreadsheet/worksheet.h"

namespace nubera::report {

// The texts of the report's drawn figures: one face, boxes one line high.
inline constexpr double kFigureTextHeight = 11;

// Proportional Japanese faces draw ideographs and circled digits a full em
// wide and digits and Latin letters about half as wide; enough to keep
// labels apart.
double TextWidth(std::string_view utf8, double size);

// 1, 2 or 5 times a power of ten, the smallest not below `raw`.
double NiceStep(double raw);

// A text box of the figures' face, never left of the sheet's edge.
sheet::TextBox FigureText(std::string name, std::string text, double left, double top, double width,
                          double size, sheet::TextAlignment alignment, bool bold = false);

}  // namespace nubera::report
