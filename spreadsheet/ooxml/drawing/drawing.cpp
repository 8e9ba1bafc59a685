#include "spreadsheet/ooxml/drawing/drawing.h"

#include <algorithm>

#include "spreadsheet/ooxml/drawing/drawing_anchor.h"
#include "spreadsheet/ooxml/drawing/line_shape_xml.h"
#include "spreadsheet/ooxml/drawing/text_body.h"
#include "spreadsheet/ooxml/drawing/text_box_xml.h"
#include "spreadsheet/ooxml/package/namespaces.h"
#include "spreadsheet/ooxml/package/xml_part.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::sheet {
namespace {

pugi::xml_node Root(const pugi::xml_document& document) {
    return document.child("xdr:wsDr");
}

}  // namespace

Drawing::Drawing() {
    pugi::xml_node root = document_.append_child("xdr:wsDr");
    root.append_attribute("xmlns:xdr") = kSheetDrawingNamespace.data();
    root.append_attribute("xmlns:a") = kDrawingNamespace.data();
    changed_ = true;
}

// The model names elements by their usual prefixes xdr: and a:, which every
// spreadsheet program writes; a part spelt otherwise is refused rather than
// misread.
Drawing::Drawing(std::string_view xml, std::string_view partName) {
    ParseXmlPart(document_, xml, partName);
    pugi::xml_node root = Root(document_);
    if (!root || std::string_view(root.attribute("xmlns:xdr").value()) != kSheetDrawingNamespace) {
        throw SpreadsheetError("描画パーツ「" + std::string(partName) +
                               "」の要素に接頭辞xdr:が使われていません");
    }
    if (!root.attribute("xmlns:a")) root.append_attribute("xmlns:a") = kDrawingNamespace.data();
}

std::vector<LineShape> Drawing::Lines(const SheetGeometry& geometry) const {
    std::vector<LineShape> lines;
    for (pugi::xml_node anchor : Root(document_).children()) {
        if (!IsAnchor(anchor)) continue;
        if (const auto line = ReadLineShape(anchor, geometry)) lines.push_back(*line);
    }
    return lines;
}

int Drawing::LargestObjectId() const {
    // Ids of drawing objects are unique within the part, groups' members included.
    struct LargestId : pugi::xml_tree_walker {
        int largest = 1;
        bool for_each(pugi::xml_node& node) override {
            if (std::string_view(node.name()) == "xdr:cNvPr") {
                largest = std::max(largest, node.attribute("id").as_int());
            }
            return true;
        }
    } walker;
    pugi::xml_node root = Root(document_);
    root.traverse(walker);
    return walker.largest;
}

// Found when the first shape is added, not when the part is read: most
// drawings are only read, for the printed pages, and a walk of thousands of
// plotted shapes would be wasted on them.
int Drawing::TakeObjectId() {
    if (nextObjectId_ == 0) nextObjectId_ = LargestObjectId() + 1;
    return nextObjectId_++;
}

void Drawing::AddLine(const LineShape& line) {
    AppendLineAnchor(Root(document_), line, TakeObjectId());
    if (labelsIndexed_) IndexLabel(Root(document_).last_child());
    changed_ = true;
}

void Drawing::AddTextBox(const TextBox& box) {
    AppendTextBoxAnchor(Root(document_), box, TakeObjectId());
    if (labelsIndexed_) IndexLabel(Root(document_).last_child());
    changed_ = true;
}

// New anchors go last, so a name already indexed keeps its first anchor.
void Drawing::IndexLabel(pugi::xml_node anchor) const {
    if (!IsAnchor(anchor)) return;
    const pugi::xml_node shape = anchor.child("xdr:sp");
    labels_.emplace(shape.child("xdr:nvSpPr").child("xdr:cNvPr").attribute("name").value(), anchor);
}

pugi::xml_node Drawing::FindLabelAnchor(std::string_view name) const {
    if (!labelsIndexed_) {
        for (pugi::xml_node anchor : Root(document_).children()) IndexLabel(anchor);
        labelsIndexed_ = true;
    }
    const auto found = labels_.find(name);
    return found == labels_.end() ? pugi::xml_node() : found->second;
}

std::optional<Label> Drawing::FindLabel(std::string_view name,
                                        const SheetGeometry& geometry) const {
    const pugi::xml_node anchor = FindLabelAnchor(name);
    if (!anchor) return std::nullopt;
    const AnchorRect rect = ReadAnchorRect(anchor, geometry);
    return Label{std::string(name), TextBodyText(anchor.child("xdr:sp")), rect.left, rect.top};
}

bool Drawing::SetLabelCaption(std::string_view name, std::string_view caption) {
    const pugi::xml_node anchor = FindLabelAnchor(name);
    if (!anchor) return false;
    SetTextBodyText(anchor.child("xdr:sp"), caption);
    changed_ = true;
    return true;
}

bool Drawing::MoveLabel(std::string_view name, double left, double top,
                        const SheetGeometry& geometry) {
    const pugi::xml_node anchor = FindLabelAnchor(name);
    if (!anchor) return false;
    AnchorRect rect = ReadAnchorRect(anchor, geometry);
    rect.left = left;
    rect.top = top;
    WriteAnchorRect(anchor, rect, geometry);
    changed_ = true;
    return true;
}

void Drawing::FollowColumnDeletion(int first, int last, const SheetGeometry& before,
                                   const SheetGeometry& after) {
    for (pugi::xml_node anchor : Root(document_).children()) {
        if (IsAnchor(anchor)) AnchorAfterColumnDeletion(anchor, first, last, before, after);
    }
    changed_ = true;
}

std::string Drawing::Serialize() const {
    return SerializeXml(document_);
}

}  // namespace nubera::sheet
