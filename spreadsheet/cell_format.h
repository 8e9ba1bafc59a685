#pragma once

// How one cell prints: font, fill, borders, alignment and number format,
// resolved from the workbook's cell styles.

#include <optional>
#include <string>

#include "spreadsheet/rgb.h"

namespace nubera::sheet {

struct FontFormat {
    std::string name = "Calibri";
    double size = 11;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    Rgb color = 0x000000;
};

enum class BorderLine {
    None,
    Hair,
    Thin,
    Medium,
    Thick,
    Double,
    Dotted,
    Dashed,
    DashDot,
    DashDotDot,
    MediumDashed,
    MediumDashDot,
    MediumDashDotDot,
    SlantDashDot,
};

struct BorderSide {
    BorderLine line = BorderLine::None;
    Rgb color = 0x000000;
};

enum class HorizontalAlignment {
    General,
    Left,
    Center,
    Right,
    Fill,
    Justify,
    CenterContinuous,
    Distributed
};
enum class VerticalAlignment { Top, Center, Bottom, Justify, Distributed };

struct CellFormat {
    FontFormat font;
    std::optional<Rgb> fill;  // a pattern shows as its mix of the two colours
    BorderSide left, right, top, bottom;
    HorizontalAlignment horizontal = HorizontalAlignment::General;
    VerticalAlignment vertical = VerticalAlignment::Bottom;
    bool wrapText = false;
    bool shrinkToFit = false;
    int indent = 0;  // steps of three spaces' width
    std::string numberFormat = "General";

    bool HasBorder() const;
};

}  // namespace nubera::sheet
