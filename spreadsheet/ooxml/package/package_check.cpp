#include "spreadsheet/ooxml/package/package_check.h"

#include <algorithm>

#include "spreadsheet/ascii_case.h"
#include "spreadsheet/ooxml/package/content_types.h"
#include "spreadsheet/ooxml/package/xml_well_formed.h"

namespace nubera::sheet {
namespace {

std::string PartFault(std::string_view part, const std::string& fault) {
    return "パーツ「" + std::string(part) + "」のXMLが正しくありません: " + fault;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           EqualsIgnoringAsciiCase(text.substr(text.size() - end.size()), end);
}

// A relationships part, or a part whose media type is XML ("…/xml", "…+xml").
bool IsXmlPart(std::string_view part, std::string_view type) {
    return EndsWithIgnoringCase(part, ".rels") || EndsWithIgnoringCase(type, "/xml") ||
           EndsWithIgnoringCase(type, "+xml");
}

}  // namespace

std::string PackageFault(const std::vector<ZipEntry>& parts) {
    const auto typesPart =
        std::ranges::find(parts, std::string_view(kContentTypesPart), &ZipEntry::name);
    if (typesPart == parts.end())
        return "パーツ「" + std::string(kContentTypesPart) + "」がありません";
    if (std::string fault = XmlWellFormedFault(typesPart->bytes); !fault.empty()) {
        return PartFault(kContentTypesPart, fault);
    }
    ContentTypes types;
    types.Load(typesPart->bytes);
    if (std::string fault = types.IncompleteEntry(); !fault.empty()) {
        return PartFault(kContentTypesPart, fault);
    }
    for (const ZipEntry& part : parts) {
        if (part.name == kContentTypesPart) continue;
        const std::string type = types.TypeOf(part.name);
        if (type.empty())
            return "パーツ「" + part.name + "」の種類（ContentType）が決まっていません";
        if (!IsXmlPart(part.name, type)) continue;
        if (std::string fault = XmlWellFormedFault(part.bytes); !fault.empty()) {
            return PartFault(part.name, fault);
        }
    }
    return {};
}

}  // namespace nubera::sheet
