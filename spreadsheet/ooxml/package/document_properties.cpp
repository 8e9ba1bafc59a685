#include "spreadsheet/ooxml/package/document_properties.h"

#include <chrono>
#include <cstdio>
#include <string>

#include "spreadsheet/ooxml/package/xml_part.h"

namespace nubera::sheet {
namespace {

constexpr const char* kCoreType = "application/vnd.openxmlformats-package.core-properties+xml";
constexpr const char* kCorePart = "docProps/core.xml";

// The namespaces of the elements written, under the prefixes every
// spreadsheet program uses for them.
constexpr const char* kNamespaces[][2] = {
    {"xmlns:cp", "http://schemas.openxmlformats.org/package/2006/metadata/core-properties"},
    {"xmlns:dc", "http://purl.org/dc/elements/1.1/"},
    {"xmlns:dcterms", "http://purl.org/dc/terms/"},
    {"xmlns:dcmitype", "http://purl.org/dc/dcmitype/"},
    {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"},
};

// 2024-01-01T09:30:00Z
std::string W3cdtf(std::chrono::sys_seconds time) {
    const auto day = std::chrono::floor<std::chrono::days>(time);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss clock{time - day};
    char text[80];  // room for any int the fields could hold
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

void SetTime(pugi::xml_node root, const char* name, const std::string& time) {
    pugi::xml_node element = ForceChild(root, name);
    ForceAttribute(element, "xsi:type") = "dcterms:W3CDTF";
    element.text() = time.c_str();
}

std::string CorePart(Package& package, ContentTypes& contentTypes) {
    Relationships relationships = package.RelationshipsOf("");
    if (const auto part = relationships.PartOfType(kCorePropertiesRelationship);
        part && package.Has(*part)) {
        return *part;
    }
    relationships.Add(kCorePropertiesRelationship, kCorePart);
    package.PutRelationships("", relationships);
    contentTypes.SetOverride(kCorePart, kCoreType);
    package.Put(kCorePart, std::string(kXmlDeclaration) + "<cp:coreProperties/>");
    return kCorePart;
}

void WriteCore(Package& package, ContentTypes& contentTypes, const DocumentProperties& properties) {
    const std::string part = CorePart(package, contentTypes);
    pugi::xml_document document;
    ParseXmlPart(document, package.Bytes(part), part);
    pugi::xml_node root = document.child("cp:coreProperties");
    for (const auto& [name, uri] : kNamespaces) ForceAttribute(root, name) = uri;
    ForceChild(root, "dc:title").text() = properties.title.c_str();
    ForceChild(root, "dc:creator").text() = properties.program.c_str();
    const std::string time = W3cdtf(properties.created);
    SetTime(root, "dcterms:created", time);
    SetTime(root, "dcterms:modified", time);
    package.Put(part, SerializeXml(document));
}

void WriteApplication(Package& package, const DocumentProperties& properties) {
    const auto part = package.RelationshipsOf("").PartOfType(kExtendedPropertiesRelationship);
    if (!part || !package.Has(*part)) return;
    pugi::xml_document document;
    ParseXmlPart(document, package.Bytes(*part), *part);
    pugi::xml_node root = document.child("Properties");
    if (!root) return;
    ForceChild(root, "Application").text() = properties.program.c_str();
    package.Put(*part, SerializeXml(document));
}

}  // namespace

void WriteDocumentProperties(Package& package, ContentTypes& contentTypes,
                             const DocumentProperties& properties) {
    WriteCore(package, contentTypes, properties);
    WriteApplication(package, properties);
}

DocumentProperties ReadDocumentProperties(const Package& package) {
    DocumentProperties properties;
    const auto part = package.RelationshipsOf("").PartOfType(kCorePropertiesRelationship);
    if (!part || !package.Has(*part)) return properties;
    pugi::xml_document document;
    ParseXmlPart(document, package.Bytes(*part), *part);
    const pugi::xml_node root = document.child("cp:coreProperties");
    properties.title = root.child("dc:title").text().as_string();
    properties.program = root.child("dc:creator").text().as_string();
    return properties;
}

}  // namespace nubera::sheet
