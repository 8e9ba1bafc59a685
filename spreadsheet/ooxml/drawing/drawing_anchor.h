#pragma once

// The anchors of a sheet's drawing objects (xdr:absoluteAnchor,
// xdr:oneCellAnchor, xdr:twoCellAnchor) read as rectangles in points and
// written back in the anchor's own terms.

#include <pugixml.hpp>

#include "spreadsheet/anchor_rect.h"
#include "spreadsheet/ooxml/grid/sheet_geometry.h"

namespace nubera::sheet {

bool IsAnchor(const pugi::xml_node& node);

AnchorRect ReadAnchorRect(const pugi::xml_node& anchor, const SheetGeometry& geometry);

// Places the anchor at `rect`, keeping its kind, and keeps the transform of
// the shape it holds (a:xfrm, informative for readers) in step.
void WriteAnchorRect(pugi::xml_node anchor, const AnchorRect& rect, const SheetGeometry& geometry);

// Follows the deletion of columns first..last the way the anchor's kind
// asks: a two-cell anchor moves and shrinks with its cells, a one-cell anchor
// (or editAs="oneCell") moves and keeps its size, an absolute one (or
// editAs="absolute") keeps its place on the sheet.
void AnchorAfterColumnDeletion(pugi::xml_node anchor, int first, int last,
                               const SheetGeometry& before, const SheetGeometry& after);

// The shape, picture, group or frame an anchor holds.
pugi::xml_node AnchoredObject(const pugi::xml_node& anchor);

}  // namespace nubera::sheet
