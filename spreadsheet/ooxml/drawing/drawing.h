#pragma once

// One drawing part of a sheet (xdr:wsDr): its anchored shapes, of which the
// model reads and writes straight lines and named text boxes.

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "spreadsheet/ooxml/grid/sheet_geometry.h"
#include "spreadsheet/worksheet.h"

namespace nubera::sheet {

class Drawing {
  public:
    // An empty drawing, for a sheet that had none.
    Drawing();
    // Throws SpreadsheetError naming the part when it cannot be read.
    Drawing(std::string_view xml, std::string_view partName);

    std::vector<LineShape> Lines(const SheetGeometry& geometry) const;
    void AddLine(const LineShape& line);
    void AddTextBox(const TextBox& box);

    // The text box named `name`; nothing when there is none.
    std::optional<Label> FindLabel(std::string_view name, const SheetGeometry& geometry) const;
    // False when there is no text box of that name.
    bool SetLabelCaption(std::string_view name, std::string_view caption);
    bool MoveLabel(std::string_view name, double left, double top, const SheetGeometry& geometry);

    // Anchors follow the deletion of columns first..last.
    void FollowColumnDeletion(int first, int last, const SheetGeometry& before,
                              const SheetGeometry& after);

    bool Changed() const { return changed_; }
    std::string Serialize() const;
    // The parsed part, for readers of every anchored object.
    const pugi::xml_document& Document() const { return document_; }

  private:
    // The anchor of the top-level text box (xdr:sp) named `name`.
    pugi::xml_node FindLabelAnchor(std::string_view name) const;
    void IndexLabel(pugi::xml_node anchor) const;
    int LargestObjectId() const;
    int TakeObjectId();

    struct NameHash : std::hash<std::string_view> {
        using is_transparent = void;
    };

    pugi::xml_document document_;
    int nextObjectId_ = 0;  // not yet known
    bool changed_ = false;
    // Every anchor by the name of its text box, the first of each name, made
    // at the first lookup: a report looks up its labels among thousands of
    // plotted shapes.
    mutable std::unordered_map<std::string, pugi::xml_node, NameHash, std::equal_to<>> labels_;
    mutable bool labelsIndexed_ = false;
};

}  // namespace nubera::sheet
