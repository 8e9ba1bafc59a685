#include "spreadsheet/ooxml/package/checks/markup_check.h"

#include <algorithm>
#include <vector>

#include "spreadsheet/ooxml/package/checks/known_attributes.h"

namespace nubera::sheet {
namespace {

// Names are a few characters long: a plain loop finds their colon sooner
// than a call to the library's search.
std::size_t ColonAt(std::string_view name) {
    const auto colon = std::find(name.begin(), name.end(), ':');
    return colon == name.end() ? std::string_view::npos
                               : static_cast<std::size_t>(colon - name.begin());
}

std::string_view PrefixOf(std::string_view name) {
    const std::size_t colon = ColonAt(name);
    return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

std::string_view LocalName(std::string_view name) {
    const std::size_t colon = ColonAt(name);
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::string AttributeFault(std::string_view element, const AttributeView& attribute,
                           const std::vector<AttributeRule>& rules) {
    const std::string_view name = attribute.name;
    // Named only when at fault: nearly every attribute passes.
    const auto where = [&] {
        return "要素「" + std::string(element) + "」の属性「" + std::string(name) + "」";
    };
    for (const AttributeRule& rule : rules) {
        if (rule.name != name) continue;
        if (FitsRule(rule, attribute.value)) return {};
        return where() + "の値「" + std::string(attribute.value) + "」は" +
               ExpectedValueText(rule) + "ではありません";
    }
    return where() + "はこの要素に使えません";
}

bool HasText(pugi::xml_node element) {
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        const bool text = child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata;
        if (text && std::string_view(child.value()).find_first_not_of(" \t\r\n") !=
                        std::string_view::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string RootElementFault(const pugi::xml_document& document, std::string_view ns,
                             std::string_view element) {
    const pugi::xml_node root = document.document_element();
    const std::string_view prefix = PrefixOf(root.name());
    const std::string declaration = prefix.empty() ? "xmlns" : "xmlns:" + std::string(prefix);
    if (LocalName(root.name()) == element && root.attribute(declaration.c_str()).value() == ns) {
        return {};
    }
    return "ルート要素が名前空間「" + std::string(ns) + "」の「" + std::string(element) +
           "」ではありません";
}

std::string MarkupFault(const pugi::xml_document& document) {
    MarkupCheck check;
    WalkElements(document.document_element(), {&check});
    return check.Fault();
}

std::string MarkupCheck::ElementFault(const ElementView& element) {
    EnterElement(element);
    const Vocabulary* vocabulary = VocabularyOfPrefix(PrefixOf(element.name));
    const ElementRules* rules =
        vocabulary ? KnownElement(*vocabulary, LocalName(element.name)) : nullptr;
    if (!rules) return {};
    if (!rules->holdsText && HasText(element.node)) {
        return "要素「" + std::string(element.name) + "」は文字データを持てません";
    }
    for (const AttributeView& attribute : element.attributes) {
        // Attributes with a prefix belong to other vocabularies.
        if (attribute.name == "xmlns" || !PrefixOf(attribute.name).empty()) continue;
        if (std::string fault = AttributeFault(element.name, attribute, rules->attributes);
            !fault.empty()) {
            return fault;
        }
    }
    return {};
}

void MarkupCheck::EnterElement(const ElementView& element) {
    bound_.EnterAt(element.depth);
    for (const AttributeView& attribute : element.attributes) {
        const std::string_view name = attribute.name;
        if (!name.starts_with('x')) continue;  // not a declaration: the usual case
        if (name == "xmlns") {
            bound_.Bind({}, element.depth, VocabularyOf(attribute.value));
        } else if (name.starts_with("xmlns:")) {
            bound_.Bind(name.substr(6), element.depth, VocabularyOf(attribute.value));
        }
    }
}

const Vocabulary* MarkupCheck::VocabularyOfPrefix(std::string_view prefix) const {
    const Vocabulary* const* vocabulary = bound_.Find(prefix);
    return vocabulary ? *vocabulary : nullptr;
}

}  // namespace nubera::sheet
