#include "spreadsheet/ooxml/package/checks/xml_well_formed.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <pugixml.hpp>
#include <vector>

#include "spreadsheet/ascii_case.h"
#include "spreadsheet/ooxml/package/uri_reference.h"
#include "spreadsheet/ooxml/package/xml_part.h"
#include "text/utf8_text.h"

namespace nubera::sheet {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsXmlCharacter(unsigned code) {
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

std::string CodeText(unsigned code) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, code, 16).ptr;
    std::string text(digits, end);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' ? c - 'a' + 'A' : c; });
    return "U+" + std::string(text.size() < 4 ? 4 - text.size() : 0, '0') + text;
}

// The UTF-8 encoding and the characters XML allows, byte by byte.
std::string EncodingFault(std::string_view bytes) {
    if (!IsValidUtf8(bytes)) return "UTF-8でないバイトがあります";
    for (std::size_t i = 0; i < bytes.size();) {
        // Printable ASCII, nearly all of a part, needs no decoding: eight
        // bytes at a time while none is below a space or above DEL.
        std::uint64_t eight = 0;
        if (i + sizeof eight <= bytes.size()) {
            std::memcpy(&eight, bytes.data() + i, sizeof eight);
            constexpr std::uint64_t kHighBits = 0x8080808080808080;
            constexpr std::uint64_t kSpaces = 0x2020202020202020;
            if ((eight & kHighBits) == 0 && ((eight - kSpaces) & ~eight & kHighBits) == 0) {
                i += sizeof eight;
                continue;
            }
        }
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead >= 0x20 && lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceAt(bytes, i);
        unsigned code =
            static_cast<unsigned char>(bytes[i]) & (length == 1 ? 0x7F : 0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            code = code << 6 | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        }
        if (!IsXmlCharacter(code)) {
            return "XMLで使えない文字" + CodeText(code) + "があります（先頭から" +
                   std::to_string(i) + "バイトの位置）";
        }
        i += length;
    }
    return {};
}

// Every "&" of a raw text or attribute value starts a predefined entity or a
// character reference to a character XML allows.
std::string ReferenceFault(std::string_view raw) {
    for (std::size_t at = raw.find('&'); at != std::string_view::npos; at = raw.find('&', at + 1)) {
        const std::size_t end = raw.find(';', at);
        const std::string_view name =
            end == std::string_view::npos ? raw.substr(at) : raw.substr(at + 1, end - at - 1);
        if (end == std::string_view::npos) return "「&」が参照になっていません";
        if (name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos") {
            continue;
        }
        const std::string fault = "参照「&" + std::string(name) + ";」を解釈できません";
        if (!name.starts_with('#')) return fault;
        const bool hex = name.starts_with("#x");
        const std::string_view digits = name.substr(hex ? 2 : 1);
        unsigned code = 0;
        const auto [stop, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
        if (digits.empty() || error != std::errc() || stop != digits.data() + digits.size() ||
            !IsXmlCharacter(code)) {
            return fault;
        }
    }
    return {};
}

// A name with a prefix and a local part, at most one colon between them.
struct QualifiedName {
    std::string_view prefix;
    std::string_view local;
    bool valid = true;
};

// Names are a few characters long: plain loops find their colons sooner
// than calls to the library's search.
QualifiedName SplitName(std::string_view name) {
    const auto colon =
        static_cast<std::size_t>(std::find(name.begin(), name.end(), ':') - name.begin());
    if (colon == name.size()) return {{}, name, !name.empty()};
    const std::string_view prefix = name.substr(0, colon);
    const std::string_view local = name.substr(colon + 1);
    return {prefix, local,
            !prefix.empty() && !local.empty() &&
                std::find(local.begin(), local.end(), ':') == local.end()};
}

std::string NameFault(std::string_view name, const QualifiedName& parts, bool bound,
                      bool attribute) {
    if (!parts.valid) return "名前「" + std::string(name) + "」は正しくありません";
    if (parts.prefix == "xmlns" && attribute) return {};
    if (parts.prefix == "xmlns" || !bound) {
        return "接頭辞「" + std::string(parts.prefix) + "」が宣言されていません（「" +
               std::string(name) + "」）";
    }
    return {};
}

std::string CharacterDataFault(pugi::xml_node text) {
    const std::string_view value = text.value();
    if (value.find("]]>") != std::string_view::npos) return "文字データに「]]>」があります";
    return ReferenceFault(value);
}

// Whether the declaration's pseudo-attributes are those XML allows, in its
// order: a version 1.x, then an encoding, then standalone yes or no.
bool DeclarationWellFormed(pugi::xml_node declaration) {
    const std::string_view order[] = {"version", "encoding", "standalone"};
    std::size_t next = 0;
    for (pugi::xml_attribute attribute : declaration.attributes()) {
        const std::string_view name = attribute.name();
        const std::string_view value = attribute.value();
        while (next < std::size(order) && order[next] != name) ++next;
        if (next == std::size(order)) return false;
        const bool fits = name == "version" ? value.size() > 2 && value.starts_with("1.") &&
                                                  value.find_first_not_of("0123456789", 2) ==
                                                      std::string_view::npos
                          : name == "standalone" ? value == "yes" || value == "no"
                                                 : !value.empty();
        if (!fits) return false;
        ++next;
    }
    return declaration.attribute("version");
}

// The declaration, if any, opens the part, is well-formed and names no
// encoding but UTF-8.
std::string DeclarationFault(const pugi::xml_document& document, std::string_view bytes) {
    for (pugi::xml_node node : document.children()) {
        if (node.type() != pugi::node_declaration) continue;
        if (node != document.first_child() || !bytes.starts_with("<?xml")) {
            return "XML宣言が先頭にありません";
        }
        if (!DeclarationWellFormed(node)) return "XML宣言が正しくありません";
        const char* encoding = node.attribute("encoding").value();
        if (*encoding != '\0' && !EqualsIgnoringAsciiCase(encoding, "UTF-8")) {
            return "符号化方式「" + std::string(encoding) +
                   "」が宣言されています（UTF-8ではありません）";
        }
    }
    return {};
}

// One root element, with nothing but comments and processing instructions
// around it.
std::string RootFault(const pugi::xml_document& document) {
    int elements = 0;
    for (pugi::xml_node node : document.children()) {
        switch (node.type()) {
            case pugi::node_element:
                ++elements;
                break;
            case pugi::node_doctype:
                return "文書型宣言は使えません";
            case pugi::node_pcdata:
            case pugi::node_cdata:
                return "ルート要素の外に文字データがあります";
            case pugi::node_pi:
                if (EqualsIgnoringAsciiCase(node.name(), "xml")) return "XML宣言が先頭にありません";
                break;
            default:
                break;
        }
    }
    return elements == 1 ? std::string() : "ルート要素が1つではありません";
}

}  // namespace

std::string XmlWellFormedFault(std::string_view bytes) {
    pugi::xml_document document;
    return XmlWellFormedFault(bytes, document);
}

std::string XmlDocumentFault(std::string_view bytes, pugi::xml_document& document) {
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    if (std::string fault = EncodingFault(bytes); !fault.empty()) return fault;
    // The values stay as written, so that every reference can be looked at.
    // As a fragment, so that text around the root element is kept (a
    // document drops it) and can be refused.
    const unsigned options = (pugi::parse_default & ~pugi::parse_escapes) |
                             pugi::parse_declaration | pugi::parse_doctype | pugi::parse_pi |
                             pugi::parse_fragment;
    const pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), options, pugi::encoding_utf8);
    if (!result) {
        return "先頭から" + std::to_string(result.offset) +
               "バイトの位置: " + ParseFaultText(result.status);
    }
    if (std::string fault = DeclarationFault(document, bytes); !fault.empty()) return fault;
    return RootFault(document);
}

std::string XmlWellFormedFault(std::string_view bytes, pugi::xml_document& document) {
    if (std::string fault = XmlDocumentFault(bytes, document); !fault.empty()) return fault;
    WellFormedNames names;
    WalkElements(document.document_element(), {&names});
    return names.Fault();
}

// An element's declarations bind their prefixes before its own names are
// checked.
std::string WellFormedNames::ElementFault(const ElementView& element) {
    bound_.EnterAt(element.depth);
    for (std::size_t i = 0; i < element.attributes.size(); ++i) {
        const AttributeView& attribute = element.attributes[i];
        const std::string_view name = attribute.name;
        const auto earlier = element.attributes.first(i);
        if (std::any_of(earlier.begin(), earlier.end(),
                        [name](const AttributeView& other) { return other.name == name; })) {
            return "要素「" + std::string(element.name) + "」に属性「" + std::string(name) +
                   "」が2つあります";
        }
        if (name != "xmlns" && !name.starts_with("xmlns:")) continue;
        if (!IsUriReference(attribute.value)) {
            return "名前空間「" + std::string(attribute.value) +
                   "」はURIとして正しくありません（「" + std::string(name) + "」）";
        }
        if (name == "xmlns") continue;
        const std::string_view prefix = name.substr(6);
        if (prefix == "xmlns" || attribute.value.empty()) {
            return "接頭辞の宣言「" + std::string(name) + "」は正しくありません";
        }
        bound_.Bind(prefix, element.depth, true);
    }
    if (std::string fault = NameFaultOf(element.name, false); !fault.empty()) return fault;
    for (const AttributeView& attribute : element.attributes) {
        if (std::string fault = NameFaultOf(attribute.name, true); !fault.empty()) return fault;
        // One look at each character: nearly every value has neither.
        if (attribute.value.find_first_of("<&") == std::string_view::npos) continue;
        if (attribute.value.find('<') != std::string_view::npos) {
            return "属性「" + std::string(attribute.name) + "」の値に「<」があります";
        }
        if (std::string fault = ReferenceFault(attribute.value); !fault.empty()) return fault;
    }
    return {};
}

std::string WellFormedNames::TextFault(pugi::xml_node text) {
    return CharacterDataFault(text);
}

// Why the name of an element or an attribute is not a name with its prefix
// bound where the walk stands.
std::string WellFormedNames::NameFaultOf(std::string_view name, bool attribute) const {
    const QualifiedName parts = SplitName(name);
    const bool bound =
        parts.prefix.empty() || parts.prefix == "xml" || bound_.Find(parts.prefix) != nullptr;
    return NameFault(name, parts, bound, attribute);
}

}  // namespace nubera::sheet
