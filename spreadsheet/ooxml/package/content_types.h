#pragma once

// The package's [Content_Types].xml: the media type of every part, by
// extension (Default) or by part name (Override).

#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "spreadsheet/ooxml/package/xml_part.h"

namespace nubera::sheet {

inline constexpr const char* kContentTypesPart = "[Content_Types].xml";
inline constexpr const char* kTemplateMainType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml";
inline constexpr const char* kWorkbookMainType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml";
inline constexpr const char* kDrawingType =
    "application/vnd.openxmlformats-officedocument.drawing+xml";
inline constexpr const char* kSharedStringsType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml";

class ContentTypes {
  public:
    void Load(std::string_view xml);

    // The first entry that lacks what it must give: a Default its extension
    // or type, an Override its part name (from the root, "/…") or type;
    // empty when every entry is complete.
    std::string IncompleteEntry() const;

    // Parts are named as in the zip ("xl/workbook.xml").
    std::string TypeOf(std::string_view part) const;
    void SetOverride(std::string_view part, std::string_view type);
    // Every override whose part `keep` rejects is removed.
    template <typename Keep>
    void RemoveOverridesUnless(Keep keep);

    std::string Serialize() const { return SerializeXml(document_); }

  private:
    pugi::xml_node FindOverride(std::string_view part) const;

    pugi::xml_document document_;
};

template <typename Keep>
void ContentTypes::RemoveOverridesUnless(Keep keep) {
    pugi::xml_node types = document_.child("Types");
    for (pugi::xml_node node = types.child("Override"); node;) {
        const pugi::xml_node next = node.next_sibling("Override");
        const std::string_view name = node.attribute("PartName").value();
        if (!keep(name.substr(name.starts_with('/') ? 1 : 0))) types.remove_child(node);
        node = next;
    }
}

}  // namespace nubera::sheet
