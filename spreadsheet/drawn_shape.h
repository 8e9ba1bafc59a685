#pragma once

// A shape of a sheet's drawing as printing needs it: a straight line,
// rectangle, ellipse or text box with its outline, fill and text, in points
// from the sheet's top-left corner.

#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/anchor_rect.h"
#include "spreadsheet/rgb.h"

namespace nubera::sheet {

struct ShapeOutline {
    double width = 0.75;  // points
    Rgb color = 0x000000;
    std::string dash = "solid";  // the preset dash name: solid, dash, lgDashDot, sysDot, …
};

enum class TextAlignment { Left, Center, Right };
enum class TextAnchor { Top, Center, Bottom };

struct ShapeParagraph {
    std::string text;  // a line break inside the paragraph as "\n"
    TextAlignment alignment = TextAlignment::Left;
    std::string fontName;  // the East Asian typeface, else the Latin one; empty: the default
    double fontSize = 11;
    bool bold = false;
    bool italic = false;
    Rgb color = 0x000000;
};

struct DrawnShape {
    enum class Kind { Line, Rectangle, Ellipse };

    Kind kind = Kind::Rectangle;
    std::string name;
    AnchorRect rect;
    bool flipH = false;  // a line runs from the top-left corner to the bottom-right
    bool flipV = false;  // one unless flipped
    std::optional<Rgb> fill;
    std::optional<ShapeOutline> outline;
    std::vector<ShapeParagraph> paragraphs;
    TextAnchor textAnchor = TextAnchor::Top;
    bool wrapText = true;
    double insetLeft = 7.2;  // points
    double insetTop = 3.6;
    double insetRight = 7.2;
    double insetBottom = 3.6;

    bool HasText() const;
};

}  // namespace nubera::sheet
