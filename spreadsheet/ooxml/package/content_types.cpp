#include "spreadsheet/ooxml/package/content_types.h"

#include "spreadsheet/ascii_case.h"

namespace nubera::sheet {

void ContentTypes::Load(std::string_view xml) {
    ParseXmlPart(document_, xml, kContentTypesPart);
}

std::string ContentTypes::IncompleteEntry() const {
    for (pugi::xml_node entry : document_.child("Types").children()) {
        const std::string_view kind = entry.name();
        const char* key = kind == "Default"    ? "Extension"
                          : kind == "Override" ? "PartName"
                                               : nullptr;
        if (key == nullptr) continue;
        const std::string_view named = entry.attribute(key).value();
        if (named.empty() || *entry.attribute("ContentType").value() == '\0') {
            return std::string(kind) + "に" + key + "またはContentTypeがありません";
        }
        if (kind == "Override" && !named.starts_with('/')) {
            return "PartName「" + std::string(named) + "」が「/」で始まっていません";
        }
    }
    return {};
}

// Part names and extensions compare without regard to ASCII case.
pugi::xml_node ContentTypes::FindOverride(std::string_view part) const {
    for (pugi::xml_node node : document_.child("Types").children("Override")) {
        const std::string_view name = node.attribute("PartName").value();
        if (EqualsIgnoringAsciiCase(name.substr(name.starts_with('/') ? 1 : 0), part)) return node;
    }
    return {};
}

std::string ContentTypes::TypeOf(std::string_view part) const {
    if (const pugi::xml_node node = FindOverride(part))
        return node.attribute("ContentType").value();
    const std::size_t dot = part.rfind('.');
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : part.substr(dot + 1);
    for (pugi::xml_node node : document_.child("Types").children("Default")) {
        if (EqualsIgnoringAsciiCase(node.attribute("Extension").value(), extension)) {
            return node.attribute("ContentType").value();
        }
    }
    return {};
}

void ContentTypes::SetOverride(std::string_view part, std::string_view type) {
    pugi::xml_node node = FindOverride(part);
    if (!node) {
        node = document_.child("Types").append_child("Override");
        node.append_attribute("PartName") = ("/" + std::string(part)).c_str();
        node.append_attribute("ContentType");
    }
    node.attribute("ContentType") = std::string(type).c_str();
}

}  // namespace nubera::sheet
