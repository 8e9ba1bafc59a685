#include "spreadsheet/ooxml/package/checks/markup_check.h"

#include <algorithm>
#include <vector>

#include "spreadsheet/ooxml/package/checks/known_attributes.h"

namespace nubera::sheet {
namespace {

// Names are a few characters long: a plain loop finds their colon sooner
// than a call to the library's search.
std::size_t ColonAt(std::string_view name) {
    const auto colon = std::ranges::find(name, ':');
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

// The namespaces declared on the elements from the root down to where the
// walk stands, each with the depth of its element, by the vocabulary each
// names: looked up once where it is declared, not at every element.
class NamespaceScope {
  public:
    void EnterElement(pugi::xml_node element, int depth) {
        while (!bound_.empty() && bound_.back().depth >= depth) bound_.pop_back();
        for (pugi::xml_attribute attribute = element.first_attribute(); attribute;
             attribute = attribute.next_attribute()) {
            const char* raw = attribute.name();
            if (*raw != 'x') continue;  // not a declaration: the usual case
            const std::string_view name = raw;
            if (name == "xmlns") {
                bound_.push_back({depth, {}, VocabularyOf(attribute.value())});
            } else if (name.starts_with("xmlns:")) {
                bound_.push_back({depth, name.substr(6), VocabularyOf(attribute.value())});
            }
        }
    }
    // Nothing where the prefix names a namespace of no known vocabulary.
    const Vocabulary* VocabularyOfPrefix(std::string_view prefix) const {
        for (auto binding = bound_.rbegin(); binding != bound_.rend(); ++binding) {
            if (binding->prefix == prefix) return binding->vocabulary;
        }
        return nullptr;
    }

  private:
    struct Binding {
        int depth;
        std::string_view prefix;
        const Vocabulary* vocabulary;
    };
    std::vector<Binding> bound_;
};

std::string AttributeFault(pugi::xml_node element, pugi::xml_attribute attribute,
                           const std::vector<AttributeRule>& rules) {
    const std::string_view name = attribute.name();
    // Named only when at fault: nearly every attribute passes.
    const auto where = [&] {
        return "要素「" + std::string(element.name()) + "」の属性「" + std::string(name) + "」";
    };
    for (const AttributeRule& rule : rules) {
        if (rule.name != name) continue;
        if (FitsRule(rule, attribute.value())) return {};
        return where() + "の値「" + std::string(attribute.value()) + "」は" +
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

// Walks every element without recursion (pugixml's walker), as a part may
// nest deeper than a stack.
class MarkupWalker : public pugi::xml_tree_walker {
  public:
    bool for_each(pugi::xml_node& node) override {
        if (node.type() != pugi::node_element) return true;
        scope_.EnterElement(node, depth());
        const std::string_view name = node.name();
        const Vocabulary* vocabulary = scope_.VocabularyOfPrefix(PrefixOf(name));
        const ElementRules* rules =
            vocabulary ? KnownElement(*vocabulary, LocalName(name)) : nullptr;
        if (!rules) return true;
        if (!rules->holdsText && HasText(node)) {
            fault_ = "要素「" + std::string(name) + "」は文字データを持てません";
            return false;
        }
        for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
             attribute = attribute.next_attribute()) {
            const std::string_view attributeName = attribute.name();
            // Attributes with a prefix belong to other vocabularies.
            if (attributeName == "xmlns" || !PrefixOf(attributeName).empty()) continue;
            fault_ = AttributeFault(node, attribute, rules->attributes);
            if (!fault_.empty()) return false;
        }
        return true;
    }
    const std::string& Fault() const { return fault_; }

  private:
    NamespaceScope scope_;
    std::string fault_;
};

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
    MarkupWalker walker;
    // The walker starts below the node it is given: the document, so that
    // the root element is walked too.
    pugi::xml_node top = document;
    top.traverse(walker);
    return walker.Fault();
}

}  // namespace nubera::sheet
