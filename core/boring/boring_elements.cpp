#include "boring/boring_elements.h"

#include <algorithm>
#include <cstring>

#include "text/number_text.h"

namespace nubera {

int BoringElements::LineAt(std::ptrdiff_t offset) const {
    return lines_.LineAt(static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)));
}

std::string BoringElements::Where(pugi::xml_node node) const {
    return std::to_string(LineOf(node)) + "行目の「" + node.name() + "」";
}

pugi::xml_node BoringElements::Only(pugi::xml_node parent, const char* name) const {
    const pugi::xml_node child = parent.child(name);
    if (const pugi::xml_node second = child.next_sibling(name)) RefuseRepeated(child, second);
    return child;
}

pugi::xml_node BoringElements::Required(pugi::xml_node parent, const char* name) const {
    const pugi::xml_node child = Only(parent, name);
    if (!child) throw BoringRefusal{Where(parent) + "に「" + name + "」がありません。"};
    return child;
}

pugi::xml_node BoringElements::OnlyDescendant(pugi::xml_node ancestor, const char* name) const {
    const auto named = [&](pugi::xml_node node) { return std::strcmp(node.name(), name) == 0; };
    const pugi::xml_node first = ancestor.find_node(named);
    if (!first) return first;
    const pugi::xml_node second =
        ancestor.find_node([&](pugi::xml_node node) { return node != first && named(node); });
    if (second) RefuseRepeated(first, second);
    return first;
}

void BoringElements::RefuseRepeated(pugi::xml_node first, pugi::xml_node second) const {
    throw BoringRefusal{Where(second) + "が重複しています（一つ目は" +
                        std::to_string(LineOf(first)) + "行目）。"};
}

std::string BoringElements::Text(pugi::xml_node node) const {
    int pieces = 0;
    // Comments and processing instructions are not kept: the text on either
    // side of one is a piece of its own.
    for (const pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element) {
            throw BoringRefusal{Where(child) + "が「" + node.name() + "」の値の中にあります。"};
        }
        ++pieces;
    }
    if (pieces > 1) throw BoringRefusal{Where(node) + "の値がコメントなどで分かれています。"};
    return node.child_value();
}

double BoringElements::Number(pugi::xml_node node) const {
    const std::string text = Text(node);
    const auto value = ParseNumericText(text);
    if (!value) throw BoringRefusal{Where(node) + "の値「" + text + "」が数値ではありません。"};
    if (*value < 0 || *value > kMaxValue) {
        throw BoringRefusal{Where(node) + "の値「" + text + "」が範囲外です。"};
    }
    return *value;
}

}  // namespace nubera
