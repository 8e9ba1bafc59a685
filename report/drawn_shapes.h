#pragma once

// The shapes of a sheet's drawing as printing needs them: straight lines,
// rectangles, ellipses and text boxes with their outline, fill and text, in
// points from the sheet's top-left corner, in the drawing's stacking order.
// Pictures, charts and grouped shapes are not drawn.

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "drawing_anchor.h"
#include "sheet_geometry.h"
#include "theme_colors.h"

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

// Reads the shapes of an <xdr:wsDr> element.
std::vector<DrawnShape> ReadDrawnShapes(const pugi::xml_node& drawing,
                                        const SheetGeometry& geometry, const ThemeColors& theme);

}  // namespace nubera::sheet
