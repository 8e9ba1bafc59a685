#pragma once

// The relationships of one package part: its .rels part read into a list,
// changed, and written back.

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace nubera::sheet {

inline constexpr const char* kWorksheetRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
inline constexpr const char* kThemeRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/theme";
inline constexpr const char* kDrawingRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing";
inline constexpr const char* kSharedStringsRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings";
inline constexpr const char* kCalcChainRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain";
inline constexpr const char* kStylesRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
inline constexpr const char* kOfficeDocumentRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
inline constexpr const char* kExtendedPropertiesRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties";
inline constexpr const char* kCorePropertiesRelationship =
    "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties";
inline constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

struct Relationship {
    std::string id;
    std::string type;
    std::string target;  // as written: relative to the source part's folder, or absolute
    bool external = false;
};

class Relationships {
  public:
    // `sourcePart` is the part these relationships belong to ("" for the package).
    // Throws SpreadsheetError naming the part when an id is used twice.
    Relationships() = default;
    Relationships(std::string sourcePart, std::string_view relsXml);
    static Relationships Empty(std::string sourcePart);

    const Relationship* FindById(std::string_view id) const;
    const Relationship* FindByType(std::string_view type) const;
    // The part the first relationship of `type` points to; nothing when there is none.
    std::optional<std::string> PartOfType(std::string_view type) const;
    // The package part a relationship points to ("xl/worksheets/sheet1.xml").
    std::string TargetPart(const Relationship& relationship) const;
    const std::vector<Relationship>& Items() const { return items_; }

    // Adds an internal relationship to `targetPart` and returns its new id.
    std::string Add(std::string_view type, std::string_view targetPart);
    void Remove(std::string_view id);

    std::string Serialize() const;

  private:
    std::string sourcePart_;
    std::vector<Relationship> items_;
};

// The name of the relationship-id attribute as the part rooted at `root`
// spells it ("r:id"); when the part has none, the usual prefix r is declared,
// or r1, r2, … when the root already binds r to something else.
std::string RelationshipIdName(pugi::xml_node root);

// "xl/workbook.xml" → "xl/_rels/workbook.xml.rels"; "" → "_rels/.rels".
std::string RelationshipsPartName(std::string_view part);
// The part named by `target` as seen from `sourcePart`.
std::string ResolveTarget(std::string_view sourcePart, std::string_view target);

}  // namespace nubera::sheet
