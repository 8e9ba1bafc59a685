#include "spreadsheet/ooxml/drawing/drawn_shapes.h"

#include <string_view>

#include "spreadsheet/ooxml/drawing/drawing_anchor.h"

namespace nubera::sheet {
namespace {

double EmuAttribute(const pugi::xml_node& node, const char* name, double fallbackPoints) {
    const pugi::xml_attribute attribute = node.attribute(name);
    return attribute ? EmuToPoints(attribute.as_llong()) : fallbackPoints;
}

// The colour of a style reference (xdr:style's lnRef or fillRef), used when
// the shape's own properties name none.
std::optional<Rgb> StyleReference(const pugi::xml_node& object, const char* reference,
                                  const ThemeColors& theme) {
    const pugi::xml_node ref = object.child("xdr:style").child(reference);
    if (!ref || ref.attribute("idx").as_int() == 0) return std::nullopt;
    return DrawingColor(ref, theme);
}

std::optional<ShapeOutline> ReadOutline(const pugi::xml_node& object, const ThemeColors& theme) {
    const pugi::xml_node line = object.child("xdr:spPr").child("a:ln");
    if (line.child("a:noFill")) return std::nullopt;
    std::optional<Rgb> color = DrawingColor(line.child("a:solidFill"), theme);
    if (!color) color = StyleReference(object, "a:lnRef", theme);
    if (!color) return std::nullopt;
    ShapeOutline outline;
    outline.color = *color;
    outline.width = EmuAttribute(line, "w", outline.width);
    if (const char* dash = line.child("a:prstDash").attribute("val").value(); *dash) {
        outline.dash = dash;
    }
    return outline;
}

std::optional<Rgb> ReadFill(const pugi::xml_node& object, const ThemeColors& theme) {
    const pugi::xml_node properties = object.child("xdr:spPr");
    if (properties.child("a:noFill")) return std::nullopt;
    if (auto color = DrawingColor(properties.child("a:solidFill"), theme)) return color;
    return StyleReference(object, "a:fillRef", theme);
}

TextAlignment ReadAlignment(const pugi::xml_node& paragraph) {
    const std::string_view align = paragraph.child("a:pPr").attribute("algn").value();
    if (align == "ctr") return TextAlignment::Center;
    if (align == "r") return TextAlignment::Right;
    return TextAlignment::Left;
}

// Takes the character properties of the paragraph's first run (or of its
// end mark, for an empty paragraph).
void ReadCharacterFormat(const pugi::xml_node& properties, const ThemeColors& theme,
                         ShapeParagraph& paragraph) {
    if (!properties) return;
    if (pugi::xml_attribute size = properties.attribute("sz")) {
        paragraph.fontSize = size.as_double() / 100;
    }
    paragraph.bold = properties.attribute("b").as_bool();
    paragraph.italic = properties.attribute("i").as_bool();
    if (auto color = DrawingColor(properties.child("a:solidFill"), theme)) paragraph.color = *color;
    for (const char* face : {"a:ea", "a:latin"}) {
        const std::string_view name = properties.child(face).attribute("typeface").value();
        if (!name.empty() && name.front() != '+') {  // "+mn-ea": the theme's font
            paragraph.fontName = name;
            break;
        }
    }
}

ShapeParagraph ReadParagraph(const pugi::xml_node& node, const ThemeColors& theme) {
    ShapeParagraph paragraph;
    paragraph.alignment = ReadAlignment(node);
    pugi::xml_node format = node.child("a:endParaRPr");
    for (pugi::xml_node part : node.children()) {
        const std::string_view name = part.name();
        if (name == "a:r" || name == "a:fld") {
            if (paragraph.text.empty()) format = part.child("a:rPr");
            paragraph.text += part.child("a:t").text().get();
        } else if (name == "a:br") {
            paragraph.text += '\n';
        }
    }
    ReadCharacterFormat(format, theme, paragraph);
    return paragraph;
}

void ReadTextBody(const pugi::xml_node& body, const ThemeColors& theme, DrawnShape& shape) {
    if (!body) return;
    const pugi::xml_node properties = body.child("a:bodyPr");
    const std::string_view anchor = properties.attribute("anchor").value();
    shape.textAnchor = anchor == "ctr" ? TextAnchor::Center
                       : anchor == "b" ? TextAnchor::Bottom
                                       : TextAnchor::Top;
    shape.wrapText = std::string_view(properties.attribute("wrap").value()) != "none";
    shape.insetLeft = EmuAttribute(properties, "lIns", shape.insetLeft);
    shape.insetTop = EmuAttribute(properties, "tIns", shape.insetTop);
    shape.insetRight = EmuAttribute(properties, "rIns", shape.insetRight);
    shape.insetBottom = EmuAttribute(properties, "bIns", shape.insetBottom);
    for (pugi::xml_node paragraph : body.children("a:p")) {
        shape.paragraphs.push_back(ReadParagraph(paragraph, theme));
    }
}

std::optional<DrawnShape::Kind> KindOf(const pugi::xml_node& object) {
    const std::string_view name = object.name();
    const std::string_view preset =
        object.child("xdr:spPr").child("a:prstGeom").attribute("prst").value();
    if (name == "xdr:cxnSp" || preset == "line" || preset.starts_with("straightConnector")) {
        return DrawnShape::Kind::Line;
    }
    if (name != "xdr:sp") return std::nullopt;
    return preset == "ellipse" ? DrawnShape::Kind::Ellipse : DrawnShape::Kind::Rectangle;
}

std::optional<DrawnShape> ReadShape(const pugi::xml_node& anchor, const SheetGeometry& geometry,
                                    const ThemeColors& theme) {
    const pugi::xml_node object = AnchoredObject(anchor);
    const auto kind = KindOf(object);
    if (!kind) return std::nullopt;
    DrawnShape shape;
    shape.kind = *kind;
    const pugi::xml_node names = object.first_child();  // xdr:nvSpPr or xdr:nvCxnSpPr
    shape.name = names.child("xdr:cNvPr").attribute("name").value();
    if (names.child("xdr:cNvPr").attribute("hidden").as_bool()) return std::nullopt;
    shape.rect = ReadAnchorRect(anchor, geometry);
    const pugi::xml_node xfrm = object.child("xdr:spPr").child("a:xfrm");
    shape.flipH = xfrm.attribute("flipH").as_bool();
    shape.flipV = xfrm.attribute("flipV").as_bool();
    shape.outline = ReadOutline(object, theme);
    if (shape.kind != DrawnShape::Kind::Line) shape.fill = ReadFill(object, theme);
    ReadTextBody(object.child("xdr:txBody"), theme, shape);
    return shape;
}

}  // namespace

std::vector<DrawnShape> ReadDrawnShapes(const pugi::xml_node& drawing,
                                        const SheetGeometry& geometry, const ThemeColors& theme) {
    std::vector<DrawnShape> shapes;
    for (pugi::xml_node anchor : drawing.children()) {
        if (!IsAnchor(anchor)) continue;
        if (auto shape = ReadShape(anchor, geometry, theme)) shapes.push_back(std::move(*shape));
    }
    return shapes;
}

}  // namespace nubera::sheet
