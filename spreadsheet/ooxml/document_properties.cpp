#include "document_properties.h"

#include <cstdio>
#include <ctime>
#include <string>

#include "xml_part.h"

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
    const std::time_t seconds = time.time_since_epoch().count();
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[80];  // room for any int the fields could hold
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
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

}  // namespace nubera::sheet
