#include "spreadsheet/ooxml/package/relationships.h"

#include <algorithm>

#include "spreadsheet/ooxml/package/namespaces.h"
#include "spreadsheet/ooxml/package/xml_part.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::sheet {
namespace {

std::string_view FolderOf(std::string_view part) {
    const std::size_t slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : part.substr(0, slash + 1);
}

// Joins a folder and a relative target, resolving "." and ".." segments.
std::string NormalisedPath(std::string_view path) {
    std::vector<std::string_view> segments;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view segment = path.substr(0, slash);
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    std::string joined;
    for (std::string_view segment : segments) {
        if (!joined.empty()) joined += '/';
        joined += segment;
    }
    return joined;
}

// The relative target that reaches `targetPart` from the folder of `sourcePart`.
std::string RelativeTarget(std::string_view sourcePart, std::string_view targetPart) {
    std::string_view folder = FolderOf(sourcePart);
    std::string prefix;
    while (!targetPart.starts_with(folder)) {
        folder = FolderOf(folder.substr(0, folder.size() - 1));
        prefix += "../";
    }
    return prefix + std::string(targetPart.substr(folder.size()));
}

}  // namespace

Relationships::Relationships(std::string sourcePart, std::string_view relsXml)
    : sourcePart_(std::move(sourcePart)) {
    pugi::xml_document document;
    ParseXmlPart(document, relsXml, RelationshipsPartName(sourcePart_));
    for (pugi::xml_node node : document.child("Relationships").children("Relationship")) {
        // One id naming two targets leaves it to chance which one a sheet or
        // drawing uses, and deleting one would take the other's part away.
        if (FindById(node.attribute("Id").value())) {
            throw SpreadsheetError("パーツ「" + RelationshipsPartName(sourcePart_) +
                                   "」の関係ID「" + node.attribute("Id").value() +
                                   "」が重複しています");
        }
        items_.push_back({node.attribute("Id").value(), node.attribute("Type").value(),
                          node.attribute("Target").value(),
                          std::string_view(node.attribute("TargetMode").value()) == "External"});
    }
}

Relationships Relationships::Empty(std::string sourcePart) {
    Relationships relationships;
    relationships.sourcePart_ = std::move(sourcePart);
    return relationships;
}

const Relationship* Relationships::FindById(std::string_view id) const {
    const auto found = std::ranges::find(items_, id, &Relationship::id);
    return found == items_.end() ? nullptr : &*found;
}

const Relationship* Relationships::FindByType(std::string_view type) const {
    const auto found = std::ranges::find(items_, type, &Relationship::type);
    return found == items_.end() ? nullptr : &*found;
}

std::optional<std::string> Relationships::PartOfType(std::string_view type) const {
    const Relationship* found = FindByType(type);
    if (!found) return std::nullopt;
    return TargetPart(*found);
}

std::string Relationships::TargetPart(const Relationship& relationship) const {
    return ResolveTarget(sourcePart_, relationship.target);
}

std::string Relationships::Add(std::string_view type, std::string_view targetPart) {
    int number = static_cast<int>(items_.size()) + 1;
    while (FindById("rId" + std::to_string(number))) ++number;
    std::string id = "rId" + std::to_string(number);
    items_.push_back({id, std::string(type), RelativeTarget(sourcePart_, targetPart), false});
    return id;
}

void Relationships::Remove(std::string_view id) {
    std::erase_if(items_, [id](const Relationship& item) { return item.id == id; });
}

std::string Relationships::Serialize() const {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Relationships");
    root.append_attribute("xmlns") = kPackageRelationshipsNamespace.data();
    for (const Relationship& item : items_) {
        pugi::xml_node node = root.append_child("Relationship");
        node.append_attribute("Id") = item.id.c_str();
        node.append_attribute("Type") = item.type.c_str();
        node.append_attribute("Target") = item.target.c_str();
        if (item.external) node.append_attribute("TargetMode") = "External";
    }
    return SerializeXml(document);
}

std::string RelationshipIdName(pugi::xml_node root) {
    for (pugi::xml_attribute attribute : root.attributes()) {
        const std::string_view name = attribute.name();
        if (name.starts_with("xmlns:") &&
            std::string_view(attribute.value()) == kRelationshipsNamespace) {
            return std::string(name.substr(6)) + ":id";
        }
    }
    // The usual prefix, or the first one after it that the root leaves free.
    std::string prefix = "r";
    for (int number = 1; root.attribute(("xmlns:" + prefix).c_str()); ++number) {
        prefix = "r" + std::to_string(number);
    }
    root.append_attribute(("xmlns:" + prefix).c_str()) = kRelationshipsNamespace;
    return prefix + ":id";
}

std::string RelationshipsPartName(std::string_view part) {
    const std::string_view folder = FolderOf(part);
    return std::string(folder) + "_rels/" + std::string(part.substr(folder.size())) + ".rels";
}

std::string ResolveTarget(std::string_view sourcePart, std::string_view target) {
    if (target.starts_with('/')) return NormalisedPath(target);
    return NormalisedPath(std::string(FolderOf(sourcePart)) + std::string(target));
}

}  // namespace nubera::sheet
