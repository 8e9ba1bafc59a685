#pragma once

// Reading and writing the XML parts of a package with pugixml.

#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace nubera::sheet {

inline constexpr const char* kXmlDeclaration =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";

// What the parser found wrong, in the words the program shows its users
// (pugixml's own descriptions are English).
const char* ParseFaultText(pugi::xml_parse_status status);

// Parses a part, keeping its declaration and the whitespace of text elements
// such as <t> </t>. Throws SpreadsheetError naming the part and the fault.
void ParseXmlPart(pugi::xml_document& document, std::string_view bytes, std::string_view partName);

// The document as the bytes of a part, without added indentation.
std::string SerializeXml(const pugi::xml_document& document);

// The shortest text that reads back as exactly `value` ("0.1", "1e-05").
std::string NumberText(double value);

// The attribute, added when missing.
pugi::xml_attribute ForceAttribute(pugi::xml_node node, const char* name);
// The first child of that name, added at the end when missing.
pugi::xml_node ForceChild(pugi::xml_node node, const char* name);

}  // namespace nubera::sheet
