#include "spreadsheet/ooxml/drawing/text_box_xml.h"

#include <cmath>
#include <string>

#include "spreadsheet/ooxml/grid/sheet_geometry.h"
#include "spreadsheet/ooxml/package/xml_part.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::sheet {
namespace {

// Font sizes in hundredths of a point.
constexpr double kFontSizeUnits = 100;

const char* AlignmentName(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::Center:
            return "ctr";
        case TextAlignment::Right:
            return "r";
        case TextAlignment::Left:
            break;
    }
    return "l";
}

void CheckBox(const TextBox& box) {
    for (double value : {box.left, box.top, box.width, box.height}) {
        if (!(std::isfinite(value) && value >= 0 && value < 1e7)) {
            throw SpreadsheetError("テキストボックス「" + box.name + "」を位置(" +
                                   NumberText(box.left) + ", " + NumberText(box.top) + ")、大きさ" +
                                   NumberText(box.width) + "×" + NumberText(box.height) +
                                   "に置けません");
        }
    }
}

void WriteRect(pugi::xml_node parent, const char* corner, const char* size, const TextBox& box) {
    pugi::xml_node pos = parent.append_child(corner);
    pos.append_attribute("x") = PointsToEmu(box.left);
    pos.append_attribute("y") = PointsToEmu(box.top);
    pugi::xml_node ext = parent.append_child(size);
    ext.append_attribute("cx") = PointsToEmu(box.width);
    ext.append_attribute("cy") = PointsToEmu(box.height);
}

void WriteNames(pugi::xml_node shape, const TextBox& box, int id) {
    pugi::xml_node names = shape.append_child("xdr:nvSpPr");
    pugi::xml_node properties = names.append_child("xdr:cNvPr");
    properties.append_attribute("id") = id;
    properties.append_attribute("name") = box.name.c_str();
    names.append_child("xdr:cNvSpPr").append_attribute("txBox") = 1;
}

void WriteShapeProperties(pugi::xml_node shape, const TextBox& box) {
    pugi::xml_node properties = shape.append_child("xdr:spPr");
    WriteRect(properties.append_child("a:xfrm"), "a:off", "a:ext", box);
    pugi::xml_node geometry = properties.append_child("a:prstGeom");
    geometry.append_attribute("prst") = "rect";
    geometry.append_child("a:avLst");
    properties.append_child("a:noFill");
    properties.append_child("a:ln").append_child("a:noFill");
}

// One paragraph, one run; no insets and no wrapping, so the text stands
// where the box says whatever its length.
void WriteText(pugi::xml_node shape, const TextBox& box) {
    pugi::xml_node body = shape.append_child("xdr:txBody");
    pugi::xml_node bodyProperties = body.append_child("a:bodyPr");
    for (const char* overflow : {"vertOverflow", "horzOverflow"}) {
        bodyProperties.append_attribute(overflow) = "overflow";
    }
    bodyProperties.append_attribute("wrap") = "none";
    for (const char* inset : {"lIns", "tIns", "rIns", "bIns"}) {
        bodyProperties.append_attribute(inset) = 0;
    }
    bodyProperties.append_attribute("anchor") = "ctr";
    body.append_child("a:lstStyle");
    pugi::xml_node paragraph = body.append_child("a:p");
    paragraph.append_child("a:pPr").append_attribute("algn") = AlignmentName(box.alignment);
    pugi::xml_node run = paragraph.append_child("a:r");
    pugi::xml_node character = run.append_child("a:rPr");
    character.append_attribute("lang") = "ja-JP";
    character.append_attribute("altLang") = "en-US";
    character.append_attribute("sz") = static_cast<int>(std::lround(box.fontSize * kFontSizeUnits));
    if (box.bold) character.append_attribute("b") = 1;
    character.append_child("a:solidFill").append_child("a:srgbClr").append_attribute("val") =
        "000000";
    if (!box.fontName.empty()) {
        for (const char* script : {"a:latin", "a:ea"}) {
            character.append_child(script).append_attribute("typeface") = box.fontName.c_str();
        }
    }
    run.append_child("a:t").text() = box.text.c_str();
}

}  // namespace

void AppendTextBoxAnchor(pugi::xml_node drawing, const TextBox& box, int id) {
    CheckBox(box);
    pugi::xml_node anchor = drawing.append_child("xdr:absoluteAnchor");
    WriteRect(anchor, "xdr:pos", "xdr:ext", box);
    pugi::xml_node shape = anchor.append_child("xdr:sp");
    shape.append_attribute("macro") = "";
    shape.append_attribute("textlink") = "";
    WriteNames(shape, box, id);
    WriteShapeProperties(shape, box);
    WriteText(shape, box);
    anchor.append_child("xdr:clientData");
}

}  // namespace nubera::sheet
