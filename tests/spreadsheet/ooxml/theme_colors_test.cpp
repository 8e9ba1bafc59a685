#include "spreadsheet/ooxml/styles/theme_colors.h"

#include <gtest/gtest.h>

namespace nubera::sheet {
namespace {

TEST(ThemeColors, TintsLightenAndDarkenByLuminance) {
    EXPECT_EQ(Tinted(0xFFFFFF, -0.15), 0xD9D9D9u);               // white, 15 % darker
    EXPECT_EQ(Tinted(0x4472C4, 0.7999816888943144), 0xDAE3F3u);  // accent 1, 80 % lighter
    EXPECT_EQ(Tinted(0x123456, 0), 0x123456u);
}

TEST(ThemeColors, StylesCountLightBeforeDarkAndDrawingsNameTheSlots) {
    pugi::xml_document theme;
    theme.load_string(
        R"(<a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main"><a:themeElements>)"
        R"(<a:clrScheme name="x"><a:dk1><a:sysClr val="windowText" lastClr="111111"/></a:dk1>)"
        R"(<a:lt1><a:srgbClr val="EEEEEE"/></a:lt1></a:clrScheme></a:themeElements></a:theme>)");
    ThemeColors colors;
    colors.Load(theme.child("a:theme"));
    EXPECT_EQ(colors.Slot(0), 0xEEEEEEu);
    EXPECT_EQ(colors.Slot(1), 0x111111u);
    EXPECT_EQ(colors.Named("tx1"), 0x111111u);
    EXPECT_EQ(colors.Named("accent1"), 0x4472C4u);  // kept from the default theme
}

TEST(ThemeColors, StyleAndDrawingColourElements) {
    const ThemeColors theme;
    pugi::xml_document styles;
    styles.load_string(R"(<c><color rgb="FF00FF00"/><color indexed="10"/><color indexed="64"/>)"
                       R"(<color theme="0" tint="-0.15"/><color auto="1"/></c>)");
    std::vector<Rgb> colors;
    for (pugi::xml_node color : styles.child("c").children()) {
        colors.push_back(StyleColor(color, theme, 0x123456));
    }
    EXPECT_EQ(colors, (std::vector<Rgb>{0x00FF00, 0xFF0000, 0x000000, 0xD9D9D9, 0x123456}));

    pugi::xml_document drawing;
    drawing.load_string(
        R"(<fill><a:schemeClr val="bg1"><a:lumMod val="50000"/></a:schemeClr></fill>)");
    EXPECT_EQ(DrawingColor(drawing.child("fill"), theme), 0x808080u);
    EXPECT_EQ(DrawingColor(drawing, theme), std::nullopt);
}

}  // namespace
}  // namespace nubera::sheet
