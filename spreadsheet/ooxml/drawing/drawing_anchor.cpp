#include "spreadsheet/ooxml/drawing/drawing_anchor.h"

#include <string_view>

#include "spreadsheet/cell_address.h"
#include "spreadsheet/ooxml/package/xml_part.h"

namespace nubera::sheet {
namespace {

double ToPoints(const pugi::xml_attribute& emu) {
    return EmuToPoints(emu.as_llong());
}

std::string_view NameOf(const pugi::xml_node& node) {
    return node.name();
}

struct Point {
    double x = 0;
    double y = 0;
};

// Read the <xdr:from> or <xdr:to> cell marker as a position.
Point ReadMarker(const pugi::xml_node& marker, const SheetGeometry& geometry) {
    const int column = marker.child("xdr:col").text().as_int() + 1;
    const int row = marker.child("xdr:row").text().as_int() + 1;
    return {geometry.ColumnLeft(column) + EmuToPoints(marker.child("xdr:colOff").text().as_llong()),
            geometry.RowTop(row) + EmuToPoints(marker.child("xdr:rowOff").text().as_llong())};
}

void SetMarker(pugi::xml_node marker, int column, double columnOffset, int row, double rowOffset) {
    ForceChild(marker, "xdr:col").text() = column - 1;
    ForceChild(marker, "xdr:colOff").text() = PointsToEmu(columnOffset);
    ForceChild(marker, "xdr:row").text() = row - 1;
    ForceChild(marker, "xdr:rowOff").text() = PointsToEmu(rowOffset);
}

// Write the <xdr:from> or <xdr:to> cell marker for a position.
void WriteMarker(pugi::xml_node marker, Point at, const SheetGeometry& geometry) {
    const SheetGeometry::Place column = geometry.ColumnAt(at.x);
    const SheetGeometry::Place row = geometry.RowAt(at.y);
    SetMarker(marker, column.index, column.offset, row.index, row.offset);
}

// Write the <xdr:ext> or <a:ext> size.
void WriteExtent(pugi::xml_node ext, const AnchorRect& rect) {
    ForceAttribute(ext, "cx") = PointsToEmu(rect.width);
    ForceAttribute(ext, "cy") = PointsToEmu(rect.height);
}

// The a:xfrm of the anchored object, if it has one.
pugi::xml_node TransformOf(const pugi::xml_node& object) {
    for (const char* properties : {"xdr:spPr", "xdr:grpSpPr"}) {
        if (const pugi::xml_node xfrm = object.child(properties).child("a:xfrm")) return xfrm;
    }
    return {};
}

void SyncTransform(const pugi::xml_node& anchor, const AnchorRect& rect) {
    const pugi::xml_node xfrm = TransformOf(AnchoredObject(anchor));
    if (!xfrm) return;
    const pugi::xml_node off = ForceChild(xfrm, "a:off");
    ForceAttribute(off, "x") = PointsToEmu(rect.left);
    ForceAttribute(off, "y") = PointsToEmu(rect.top);
    WriteExtent(ForceChild(xfrm, "a:ext"), rect);
}

// How the anchor follows its cells: "twoCell", "oneCell" or "absolute".
std::string_view Behaviour(const pugi::xml_node& anchor) {
    if (NameOf(anchor) == "xdr:absoluteAnchor") return "absolute";
    if (NameOf(anchor) == "xdr:oneCellAnchor") return "oneCell";
    const std::string_view editAs = anchor.attribute("editAs").value();
    return editAs.empty() ? "twoCell" : editAs;
}

// Moves a cell marker's column as the deletion moves its cells: a marker in a
// deleted column goes to the start of the gap.
void MarkerAfterColumnDeletion(pugi::xml_node marker, int first, int last) {
    const pugi::xml_node col = marker.child("xdr:col");
    const int column = col.text().as_int() + 1;
    col.text() = IndexAfterDeletion(column, first, last) - 1;
    if (column >= first && column <= last) marker.child("xdr:colOff").text() = 0;
}

}  // namespace

bool IsAnchor(const pugi::xml_node& node) {
    const std::string_view name = NameOf(node);
    return name == "xdr:twoCellAnchor" || name == "xdr:oneCellAnchor" ||
           name == "xdr:absoluteAnchor";
}

pugi::xml_node AnchoredObject(const pugi::xml_node& anchor) {
    for (pugi::xml_node child : anchor.children()) {
        const std::string_view name = NameOf(child);
        if (name == "xdr:sp" || name == "xdr:cxnSp" || name == "xdr:grpSp" || name == "xdr:pic" ||
            name == "xdr:graphicFrame") {
            return child;
        }
    }
    return {};
}

AnchorRect ReadAnchorRect(const pugi::xml_node& anchor, const SheetGeometry& geometry) {
    const pugi::xml_node ext = anchor.child("xdr:ext");
    if (NameOf(anchor) == "xdr:absoluteAnchor") {
        const pugi::xml_node pos = anchor.child("xdr:pos");
        return {ToPoints(pos.attribute("x")), ToPoints(pos.attribute("y")),
                ToPoints(ext.attribute("cx")), ToPoints(ext.attribute("cy"))};
    }
    const Point from = ReadMarker(anchor.child("xdr:from"), geometry);
    if (NameOf(anchor) == "xdr:oneCellAnchor") {
        return {from.x, from.y, ToPoints(ext.attribute("cx")), ToPoints(ext.attribute("cy"))};
    }
    const Point to = ReadMarker(anchor.child("xdr:to"), geometry);
    return {from.x, from.y, to.x - from.x, to.y - from.y};
}

void WriteAnchorRect(pugi::xml_node anchor, const AnchorRect& rect, const SheetGeometry& geometry) {
    if (NameOf(anchor) == "xdr:absoluteAnchor") {
        const pugi::xml_node pos = ForceChild(anchor, "xdr:pos");
        ForceAttribute(pos, "x") = PointsToEmu(rect.left);
        ForceAttribute(pos, "y") = PointsToEmu(rect.top);
        WriteExtent(ForceChild(anchor, "xdr:ext"), rect);
    } else {
        WriteMarker(anchor.child("xdr:from"), {rect.left, rect.top}, geometry);
        if (NameOf(anchor) == "xdr:oneCellAnchor") {
            WriteExtent(anchor.child("xdr:ext"), rect);
        } else {
            WriteMarker(anchor.child("xdr:to"), {rect.left + rect.width, rect.top + rect.height},
                        geometry);
        }
    }
    SyncTransform(anchor, rect);
}

void AnchorAfterColumnDeletion(pugi::xml_node anchor, int first, int last,
                               const SheetGeometry& before, const SheetGeometry& after) {
    const AnchorRect old = ReadAnchorRect(anchor, before);
    const std::string_view behaviour = Behaviour(anchor);
    if (behaviour == "absolute") {
        if (NameOf(anchor) != "xdr:absoluteAnchor") WriteAnchorRect(anchor, old, after);
        return;
    }
    MarkerAfterColumnDeletion(anchor.child("xdr:from"), first, last);
    AnchorRect moved = ReadAnchorRect(anchor, after);
    if (behaviour == "oneCell") {
        moved.width = old.width;
        moved.height = old.height;
    } else {
        MarkerAfterColumnDeletion(anchor.child("xdr:to"), first, last);
        moved = ReadAnchorRect(anchor, after);
    }
    WriteAnchorRect(anchor, moved, after);
}

}  // namespace nubera::sheet
