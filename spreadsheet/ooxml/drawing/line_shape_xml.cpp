#include "spreadsheet/ooxml/drawing/line_shape_xml.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "spreadsheet/ooxml/drawing/drawing_anchor.h"
#include "spreadsheet/ooxml/package/xml_part.h"
#include "spreadsheet/ooxml/styles/indexed_colors.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::sheet {
namespace {

constexpr auto kDashStyles = std::to_array<std::pair<DashStyle, std::string_view>>({
    {DashStyle::Solid, "solid"},
    {DashStyle::Dash, "dash"},
    {DashStyle::DashDot, "dashDot"},
    {DashStyle::LongDash, "lgDash"},
    {DashStyle::LongDashDot, "lgDashDot"},
    {DashStyle::SystemDash, "sysDash"},
    {DashStyle::SystemDot, "sysDot"},
    {DashStyle::SystemDashDot, "sysDashDot"},
});

// A hairline of 0.75 pt, the width a new line gets in a spreadsheet program.
constexpr long long kLineWidthEmu = 9525;

std::string_view DashName(DashStyle style) {
    for (const auto& [known, name] : kDashStyles) {
        if (known == style) return name;
    }
    throw SpreadsheetError("線種" + std::to_string(static_cast<int>(style)) +
                           "には対応していません");
}

DashStyle DashStyleNamed(std::string_view name) {
    for (const auto& [style, known] : kDashStyles) {
        if (known == name) return style;
    }
    return DashStyle::SheetDefault;
}

std::string ColorText(PaletteColor schemeColor) {
    const int index = static_cast<int>(schemeColor);
    const auto rgb = IndexedColor(index);
    if (!rgb) {
        throw SpreadsheetError("線の色" + std::to_string(index) +
                               "はカラーパレット（0〜63）にありません");
    }
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(*rgb));
    return text;
}

// Write the top-left corner and the size of the box the line spans, as the
// anchor's <xdr:pos>/<xdr:ext> or the transform's <a:off>/<a:ext>.
void WriteBox(pugi::xml_node parent, const char* corner, const char* size, const LineShape& line) {
    pugi::xml_node pos = parent.append_child(corner);
    pos.append_attribute("x") = PointsToEmu(std::min(line.x1, line.x2));
    pos.append_attribute("y") = PointsToEmu(std::min(line.y1, line.y2));
    pugi::xml_node ext = parent.append_child(size);
    ext.append_attribute("cx") = PointsToEmu(std::fabs(line.x2 - line.x1));
    ext.append_attribute("cy") = PointsToEmu(std::fabs(line.y2 - line.y1));
}

// Write the <xdr:nvCxnSpPr> element: the object's id and name.
void WriteNames(pugi::xml_node connector, int id) {
    pugi::xml_node names = connector.append_child("xdr:nvCxnSpPr");
    pugi::xml_node properties = names.append_child("xdr:cNvPr");
    properties.append_attribute("id") = id;
    properties.append_attribute("name") = ("Line " + std::to_string(id)).c_str();
    names.append_child("xdr:cNvCxnSpPr");
}

// Write the <a:xfrm> element. A line runs from the box's top-left to its
// bottom-right corner; flips make it start at its first point.
void WriteTransform(pugi::xml_node shapeProperties, const LineShape& line) {
    pugi::xml_node xfrm = shapeProperties.append_child("a:xfrm");
    if (line.x1 > line.x2) xfrm.append_attribute("flipH") = 1;
    if (line.y1 > line.y2) xfrm.append_attribute("flipV") = 1;
    WriteBox(xfrm, "a:off", "a:ext", line);
}

// Write the <a:prstGeom> element of a straight line.
void WriteGeometry(pugi::xml_node shapeProperties) {
    pugi::xml_node geometry = shapeProperties.append_child("a:prstGeom");
    geometry.append_attribute("prst") = "line";
    geometry.append_child("a:avLst");
}

// Write the <a:ln> element: width, colour and dash.
void WriteOutline(pugi::xml_node shapeProperties, const LineShape& line) {
    pugi::xml_node outline = shapeProperties.append_child("a:ln");
    outline.append_attribute("w") = kLineWidthEmu;
    pugi::xml_node fill = outline.append_child("a:solidFill");
    if (line.schemeColor) {
        fill.append_child("a:srgbClr").append_attribute("val") =
            ColorText(*line.schemeColor).c_str();
    } else {
        fill.append_child("a:schemeClr").append_attribute("val") = "tx1";
    }
    if (line.dashStyle != DashStyle::SheetDefault) {
        outline.append_child("a:prstDash").append_attribute("val") =
            std::string(DashName(line.dashStyle)).c_str();
    }
}

std::optional<PaletteColor> ReadSchemeColor(const pugi::xml_node& outline) {
    const std::string_view rgb =
        outline.child("a:solidFill").child("a:srgbClr").attribute("val").value();
    unsigned value = 0;
    const auto [end, error] = std::from_chars(rgb.data(), rgb.data() + rgb.size(), value, 16);
    if (rgb.size() != 6 || error != std::errc() || end != rgb.data() + rgb.size())
        return std::nullopt;
    const std::optional<int> index = IndexOfColor(value);
    if (!index) return std::nullopt;
    return static_cast<PaletteColor>(*index);
}

bool IsLine(const pugi::xml_node& object) {
    const std::string_view name = object.name();
    const std::string_view preset =
        object.child("xdr:spPr").child("a:prstGeom").attribute("prst").value();
    return name == "xdr:cxnSp" ||
           (name == "xdr:sp" && (preset == "line" || preset == "straightConnector1"));
}

// Refuses what cannot be drawn before anything is added to the drawing.
void CheckLine(const LineShape& line) {
    for (double coordinate : {line.x1, line.y1, line.x2, line.y2}) {
        if (!(std::isfinite(coordinate) && coordinate >= 0 && coordinate < 1e7)) {
            throw SpreadsheetError("(" + NumberText(line.x1) + ", " + NumberText(line.y1) +
                                   ")から(" + NumberText(line.x2) + ", " + NumberText(line.y2) +
                                   ")への線がシートからはみ出しています");
        }
    }
    if (line.dashStyle != DashStyle::SheetDefault) DashName(line.dashStyle);
    if (line.schemeColor) ColorText(*line.schemeColor);
}

}  // namespace

void AppendLineAnchor(pugi::xml_node drawing, const LineShape& line, int id) {
    CheckLine(line);
    pugi::xml_node anchor = drawing.append_child("xdr:absoluteAnchor");
    WriteBox(anchor, "xdr:pos", "xdr:ext", line);
    pugi::xml_node connector = anchor.append_child("xdr:cxnSp");
    connector.append_attribute("macro") = "";
    WriteNames(connector, id);
    pugi::xml_node shapeProperties = connector.append_child("xdr:spPr");
    WriteTransform(shapeProperties, line);
    WriteGeometry(shapeProperties);
    WriteOutline(shapeProperties, line);
    anchor.append_child("xdr:clientData");
}

std::optional<LineShape> ReadLineShape(const pugi::xml_node& anchor,
                                       const SheetGeometry& geometry) {
    const pugi::xml_node object = AnchoredObject(anchor);
    if (!IsLine(object)) return std::nullopt;
    const AnchorRect rect = ReadAnchorRect(anchor, geometry);
    const pugi::xml_node properties = object.child("xdr:spPr");
    const pugi::xml_node xfrm = properties.child("a:xfrm");
    const bool flipH = xfrm.attribute("flipH").as_bool();
    const bool flipV = xfrm.attribute("flipV").as_bool();
    LineShape line;
    line.x1 = flipH ? rect.left + rect.width : rect.left;
    line.x2 = flipH ? rect.left : rect.left + rect.width;
    line.y1 = flipV ? rect.top + rect.height : rect.top;
    line.y2 = flipV ? rect.top : rect.top + rect.height;
    const pugi::xml_node outline = properties.child("a:ln");
    line.dashStyle = DashStyleNamed(outline.child("a:prstDash").attribute("val").value());
    line.schemeColor = ReadSchemeColor(outline);
    return line;
}

}  // namespace nubera::sheet
