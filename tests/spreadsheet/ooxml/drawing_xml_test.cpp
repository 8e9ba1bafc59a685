#include <gtest/gtest.h>

#include <string>

#include "spreadsheet/ooxml/drawing/line_shape_xml.h"
#include "spreadsheet/ooxml/drawing/text_box_xml.h"
#include "spreadsheet/spreadsheet_error.h"
#include "tests/spreadsheet/ooxml/normalised_xml.h"

namespace nubera::sheet {
namespace {

using test::NormalisedXml;

// The anchors a writer appends to an empty <xdr:wsDr>.
template <typename Shape, typename Append>
std::string Appended(const Shape& shape, int id, Append append) {
    pugi::xml_document document;
    pugi::xml_node drawing = document.append_child("xdr:wsDr");
    append(drawing, shape, id);
    return NormalisedXml(drawing.first_child());
}

std::string LineAnchor(const LineShape& line, int id = 2) {
    return Appended(line, id, AppendLineAnchor);
}

std::string TextBoxAnchor(const TextBox& box, int id = 5) {
    return Appended(box, id, AppendTextBoxAnchor);
}

// One point is 12700 EMU.
TEST(LineAnchor, ALineIsAConnectorWhoseFlipsMakeItStartAtItsFirstPoint) {
    const struct {
        LineShape line;
        const char* flips;
    } cases[] = {
        {{10, 20, 30, 60, DashStyle::SheetDefault, std::nullopt}, ""},
        {{30, 20, 10, 60, DashStyle::SheetDefault, std::nullopt}, R"( flipH="1")"},
        {{10, 60, 30, 20, DashStyle::SheetDefault, std::nullopt}, R"( flipV="1")"},
        {{30, 60, 10, 20, DashStyle::SheetDefault, std::nullopt}, R"( flipH="1" flipV="1")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            LineAnchor(c.line),
            NormalisedXml(
                R"(<xdr:absoluteAnchor><xdr:pos x="127000" y="254000"/><xdr:ext cx="254000" cy="508000"/>)"
                R"(<xdr:cxnSp macro=""><xdr:nvCxnSpPr><xdr:cNvPr id="2" name="Line 2"/><xdr:cNvCxnSpPr/></xdr:nvCxnSpPr>)"
                R"(<xdr:spPr><a:xfrm)" +
                std::string(c.flips) +
                R"(><a:off x="127000" y="254000"/><a:ext cx="254000" cy="508000"/></a:xfrm>)"
                R"(<a:prstGeom prst="line"><a:avLst/></a:prstGeom>)"
                R"(<a:ln w="9525"><a:solidFill><a:schemeClr val="tx1"/></a:solidFill></a:ln>)"
                R"(</xdr:spPr></xdr:cxnSp><xdr:clientData/></xdr:absoluteAnchor>)"))
            << c.flips;
    }
}

// The outline names the dash by its preset and the palette colour by its RGB.
TEST(LineAnchor, TheOutlineCarriesTheDashAndThePaletteColour) {
    const struct {
        DashStyle dash;
        std::optional<PaletteColor> color;
        const char* outline;
    } cases[] = {
        {DashStyle::SheetDefault, std::nullopt,
         R"(<a:ln w="9525"><a:solidFill><a:schemeClr val="tx1"/></a:solidFill></a:ln>)"},
        {DashStyle::Solid, PaletteColor::Red,
         R"(<a:ln w="9525"><a:solidFill><a:srgbClr val="FF0000"/></a:solidFill><a:prstDash val="solid"/></a:ln>)"},
        {DashStyle::LongDashDot, std::nullopt,
         R"(<a:ln w="9525"><a:solidFill><a:schemeClr val="tx1"/></a:solidFill><a:prstDash val="lgDashDot"/></a:ln>)"},
        {DashStyle::SystemDot, PaletteColor::Blue,
         R"(<a:ln w="9525"><a:solidFill><a:srgbClr val="0000FF"/></a:solidFill><a:prstDash val="sysDot"/></a:ln>)"},
        {DashStyle::Dash, static_cast<PaletteColor>(11),  // any index of the palette
         R"(<a:ln w="9525"><a:solidFill><a:srgbClr val="00FF00"/></a:solidFill><a:prstDash val="dash"/></a:ln>)"},
    };
    for (const auto& c : cases) {
        pugi::xml_document document;
        pugi::xml_node drawing = document.append_child("xdr:wsDr");
        AppendLineAnchor(drawing, {0, 0, 10, 0, c.dash, c.color}, 2);
        EXPECT_EQ(NormalisedXml(drawing.first_element_by_path("xdr:absoluteAnchor/xdr:cxnSp/"
                                                              "xdr:spPr/a:ln")),
                  NormalisedXml(c.outline))
            << c.outline;
    }
}

TEST(LineAnchor, WhatCannotBeDrawnIsRefusedBeforeAnythingIsAppended) {
    const std::pair<LineShape, const char*> cases[] = {
        {{0, 0, 10, 10, static_cast<DashStyle>(3), std::nullopt}, "線種3には対応していません"},
        {{0, 0, 10, 10, DashStyle::Solid, static_cast<PaletteColor>(64)},
         "線の色64はカラーパレット（0〜63）にありません"},
        {{0, 0, -1, 10, DashStyle::Solid, std::nullopt},
         "(0, 0)から(-1, 10)への線がシートからはみ出しています"},
        {{0, 1e7, 1, 1, DashStyle::Solid, std::nullopt},
         "(0, 1e+07)から(1, 1)への線がシートからはみ出しています"},
    };
    for (const auto& [line, message] : cases) {
        pugi::xml_document document;
        pugi::xml_node drawing = document.append_child("xdr:wsDr");
        try {
            AppendLineAnchor(drawing, line, 2);
            ADD_FAILURE() << message;
        } catch (const SpreadsheetError& error) {
            EXPECT_STREQ(error.what(), message);
        }
        EXPECT_FALSE(drawing.first_child()) << message;
    }
}

TEST(TextBoxAnchor, ATextBoxIsAShapeWithoutFillOrOutlineAndOneRunOfText) {
    TextBox box;
    box.name = "TXT_Max";
    box.text = "最大 1.25 <cm> & more";
    box.left = 100;
    box.top = 50.5;
    box.width = 40;
    box.height = 12;
    box.fontName = "ＭＳ 明朝";
    box.fontSize = 10.5;
    box.bold = true;
    box.alignment = TextAlignment::Right;
    EXPECT_EQ(
        TextBoxAnchor(box),
        NormalisedXml(
            R"(<xdr:absoluteAnchor><xdr:pos x="1270000" y="641350"/><xdr:ext cx="508000" cy="152400"/>)"
            R"(<xdr:sp macro="" textlink=""><xdr:nvSpPr><xdr:cNvPr id="5" name="TXT_Max"/><xdr:cNvSpPr txBox="1"/></xdr:nvSpPr>)"
            R"(<xdr:spPr><a:xfrm><a:off x="1270000" y="641350"/><a:ext cx="508000" cy="152400"/></a:xfrm>)"
            R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:noFill/><a:ln><a:noFill/></a:ln></xdr:spPr>)"
            R"(<xdr:txBody><a:bodyPr vertOverflow="overflow" horzOverflow="overflow" wrap="none" )"
            R"(lIns="0" tIns="0" rIns="0" bIns="0" anchor="ctr"/><a:lstStyle/>)"
            R"(<a:p><a:pPr algn="r"/><a:r><a:rPr lang="ja-JP" altLang="en-US" sz="1050" b="1">)"
            R"(<a:solidFill><a:srgbClr val="000000"/></a:solidFill>)"
            R"(<a:latin typeface="ＭＳ 明朝"/><a:ea typeface="ＭＳ 明朝"/></a:rPr>)"
            R"(<a:t>最大 1.25 &lt;cm&gt; &amp; more</a:t></a:r></a:p></xdr:txBody>)"
            R"(</xdr:sp><xdr:clientData/></xdr:absoluteAnchor>)"));
}

TEST(TextBoxAnchor, WithoutAFontTheRunTakesTheSheetsAndTheAlignmentIsNamed) {
    const std::pair<TextAlignment, const char*> alignments[] = {
        {TextAlignment::Left, "l"}, {TextAlignment::Center, "ctr"}, {TextAlignment::Right, "r"}};
    for (const auto& [alignment, name] : alignments) {
        TextBox box;
        box.name = "B";
        box.text = "x";
        box.alignment = alignment;
        pugi::xml_document document;
        pugi::xml_node drawing = document.append_child("xdr:wsDr");
        AppendTextBoxAnchor(drawing, box, 2);
        EXPECT_EQ(NormalisedXml(
                      drawing.first_element_by_path("xdr:absoluteAnchor/xdr:sp/xdr:txBody/a:p")),
                  NormalisedXml(std::string(R"(<a:p><a:pPr algn=")") + name +
                                R"("/><a:r><a:rPr lang="ja-JP" altLang="en-US" sz="900">)"
                                R"(<a:solidFill><a:srgbClr val="000000"/></a:solidFill></a:rPr>)"
                                R"(<a:t>x</a:t></a:r></a:p>)"))
            << name;
    }
}

TEST(TextBoxAnchor, ABoxOffTheSheetIsRefusedNamingItAndNothingIsAppended) {
    TextBox box;
    box.name = "TXT_Off";
    box.left = -2;
    box.width = 10;
    box.height = 5;
    pugi::xml_document document;
    pugi::xml_node drawing = document.append_child("xdr:wsDr");
    try {
        AppendTextBoxAnchor(drawing, box, 2);
        ADD_FAILURE();
    } catch (const SpreadsheetError& error) {
        EXPECT_STREQ(error.what(),
                     "テキストボックス「TXT_Off」を位置(-2, 0)、大きさ10×5に置けません");
    }
    EXPECT_FALSE(drawing.first_child());
}

}  // namespace
}  // namespace nubera::sheet
