#include "spreadsheet/ooxml/package/checks/package_check.h"

#include <algorithm>
#include <deque>

#include "spreadsheet/ascii_case.h"
#include "spreadsheet/ooxml/package/checks/known_attributes.h"
#include "spreadsheet/ooxml/package/checks/markup_check.h"
#include "spreadsheet/ooxml/package/checks/style_references.h"
#include "spreadsheet/ooxml/package/checks/xml_well_formed.h"
#include "spreadsheet/ooxml/package/content_types.h"
#include "spreadsheet/ooxml/package/part_kinds.h"
#include "spreadsheet/ooxml/package/relationships.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::sheet {
namespace {

std::vector<ZipEntry>::const_iterator FindEntry(const std::vector<ZipEntry>& parts,
                                                std::string_view name) {
    return std::find_if(parts.begin(), parts.end(),
                        [name](const ZipEntry& entry) { return entry.name == name; });
}

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

// Whether a reader's own parse of the part (references resolved, processing
// instructions dropped) gives the elements, attributes and text of the
// well-formedness check's, which keeps both as written. Nearly every part
// has neither but its declaration.
bool ReadsAlike(std::string_view bytes) {
    return bytes.find('&') == std::string_view::npos &&
           bytes.find("<?", 1) == std::string_view::npos;
}

struct XmlPart {
    XmlPart(std::string_view partName, std::string partType)
        : name(partName), type(std::move(partType)) {}

    std::string_view name;
    std::string type;
    pugi::xml_document document;
};

// The root element a part of this name and type must have, then the
// attributes of its elements as `markup` found them.
std::string MarkupFaultOf(const XmlPart& part, const MarkupCheck& markup) {
    std::string fault;
    if (part.name == kContentTypesPart) {
        fault = RootElementFault(part.document, kContentTypesNamespace, "Types");
    } else if (EndsWithIgnoringCase(part.name, ".rels")) {
        fault = RootElementFault(part.document, kPackageRelationshipsNamespace, "Relationships");
    } else if (const PartKind* kind = KindOfContentType(part.type)) {
        fault = RootElementFault(part.document, kind->rootNamespace, kind->rootElement);
    }
    if (fault.empty()) fault = markup.Fault();
    return fault.empty() ? fault : "パーツ「" + std::string(part.name) + "」の" + fault;
}

// Whether the part is well-formed and its elements carry what readers take.
// A part that reads alike either way is walked once for both checks; any
// other is parsed again, references resolved, for the markup check.
std::string XmlPartFault(XmlPart& part, std::string_view bytes) {
    if (std::string fault = XmlDocumentFault(bytes, part.document); !fault.empty()) {
        return PartFault(part.name, fault);
    }
    WellFormedNames names;
    MarkupCheck markup;
    const bool alike = ReadsAlike(bytes);
    if (alike) {
        WalkElements(part.document.document_element(), {&names, &markup});
    } else {
        WalkElements(part.document.document_element(), {&names});
    }
    if (!names.Fault().empty()) return PartFault(part.name, names.Fault());
    if (!alike) {
        part.document.load_buffer(bytes.data(), bytes.size());
        WalkElements(part.document.document_element(), {&markup});
    }
    return MarkupFaultOf(part, markup);
}

// "xl/_rels/workbook.xml.rels" → "xl/workbook.xml"; "_rels/.rels" → "";
// nothing for a part outside a _rels folder.
std::optional<std::string> SourceOfRelationships(std::string_view part) {
    const std::size_t slash = part.rfind('/');
    const std::string_view folder = part.substr(0, slash == std::string_view::npos ? 0 : slash);
    if (folder != "_rels" && !folder.ends_with("/_rels")) return std::nullopt;
    const std::string_view name = part.substr(slash + 1);
    return std::string(folder.substr(0, folder.size() - 5)) +
           std::string(name.substr(0, name.size() - 5));
}

// Every part a relationship reaches is of the kind that relationship names,
// so that readers that find parts by their content type find the same ones.
std::string RelationshipKindFault(const std::deque<XmlPart>& xmlParts,
                                  const std::vector<ZipEntry>& parts, const ContentTypes& types) {
    for (const XmlPart& part : xmlParts) {
        const auto source = SourceOfRelationships(part.name);
        if (!source) continue;
        Relationships relationships;
        try {
            relationships = Relationships(*source, FindEntry(parts, part.name)->bytes);
        } catch (const SpreadsheetError& error) {
            return error.what();
        }
        for (const Relationship& item : relationships.Items()) {
            const std::string target = relationships.TargetPart(item);
            if (item.external || FindEntry(parts, target) == parts.end()) {
                continue;
            }
            const std::string type = types.TypeOf(target);
            if (KindOfRelationship(item.type) == KindOfContentType(type)) continue;
            return "パーツ「" + target + "」の種類「" + type + "」は、パーツ「" +
                   std::string(part.name) + "」の関係「" + item.id + "」の種類「" + item.type +
                   "」に合いません";
        }
    }
    return {};
}

const ParsedPart* FirstOfKind(const std::vector<ParsedPart>& parsed, const PartKind* kind,
                              const std::deque<XmlPart>& xmlParts) {
    for (std::size_t i = 0; i < xmlParts.size(); ++i) {
        if (KindOfContentType(xmlParts[i].type) == kind) return &parsed[i];
    }
    return nullptr;
}

std::string ReferenceFault(const std::deque<XmlPart>& xmlParts) {
    std::vector<ParsedPart> parsed;
    std::vector<ParsedPart> sheets;
    const PartKind* sheetKind = KindOfRelationship(kWorksheetRelationship);
    for (const XmlPart& part : xmlParts) {
        parsed.push_back({part.name, &part.document});
        if (KindOfContentType(part.type) == sheetKind) sheets.push_back(parsed.back());
    }
    return StyleReferenceFault(
        FirstOfKind(parsed, KindOfRelationship(kStylesRelationship), xmlParts),
        FirstOfKind(parsed, KindOfRelationship(kSharedStringsRelationship), xmlParts), sheets);
}

}  // namespace

std::string PackageFault(const std::vector<ZipEntry>& parts) {
    const auto typesPart = FindEntry(parts, kContentTypesPart);
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
    std::deque<XmlPart> xmlParts;
    for (const ZipEntry& part : parts) {
        std::string type = part.name == kContentTypesPart ? std::string() : types.TypeOf(part.name);
        if (type.empty() && part.name != kContentTypesPart)
            return "パーツ「" + part.name + "」の種類（ContentType）が決まっていません";
        if (part.name != kContentTypesPart && !IsXmlPart(part.name, type)) continue;
        XmlPart& xml = xmlParts.emplace_back(part.name, std::move(type));
        if (std::string fault = XmlPartFault(xml, part.bytes); !fault.empty()) return fault;
    }
    if (std::string fault = RelationshipKindFault(xmlParts, parts, types); !fault.empty()) {
        return fault;
    }
    return ReferenceFault(xmlParts);
}

}  // namespace nubera::sheet
