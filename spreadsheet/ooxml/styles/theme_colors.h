#pragma once

// The colours a workbook's parts name indirectly: by theme slot, with a tint
// (styles) or luminance modifiers (drawings), by legacy palette index, or
// as the system's window colours.

#include <array>
#include <optional>
#include <pugixml.hpp>
#include <string_view>

#include "spreadsheet/rgb.h"

namespace nubera::sheet {

class ThemeColors {
  public:
    // The Office theme's colours, for a workbook without a theme part.
    ThemeColors();
    // Reads the <a:clrScheme> of a theme part; slots it lacks keep the defaults.
    void Load(const pugi::xml_node& theme);

    // Slot by the styles' numbering: 0 light 1, 1 dark 1, 2 light 2, 3 dark 2,
    // 4–9 accents 1–6, 10 hyperlink, 11 followed hyperlink.
    Rgb Slot(int index) const;
    // Slot by a drawing's scheme name: "tx1", "bg1", "dk2", "accent3", ….
    std::optional<Rgb> Named(std::string_view name) const;

  private:
    std::array<Rgb, 12> slots_;
};

// Lightens (tint > 0) or darkens (tint < 0) a colour by its HLS luminance.
Rgb Tinted(Rgb color, double tint);

// A styles <color> element (rgb, theme + tint, indexed, auto); `fallback`
// when it names none or is absent.
Rgb StyleColor(const pugi::xml_node& color, const ThemeColors& theme, Rgb fallback);

// A drawing's colour choice (a:srgbClr, a:schemeClr, a:sysClr, a:prstClr
// with a:lumMod / a:lumOff / a:shade / a:tint) inside `parent`, such as an
// a:solidFill; nothing when it holds none.
std::optional<Rgb> DrawingColor(const pugi::xml_node& parent, const ThemeColors& theme);

}  // namespace nubera::sheet
