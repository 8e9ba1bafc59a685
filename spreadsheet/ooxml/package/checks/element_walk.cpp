#include "spreadsheet/ooxml/package/checks/element_walk.h"

#include <algorithm>
#include <vector>

namespace nubera::sheet {

void ElementCheck::Look(const ElementView& element) {
    if (fault_.empty()) fault_ = ElementFault(element);
}

void ElementCheck::LookAtText(pugi::xml_node text) {
    if (fault_.empty()) fault_ = TextFault(text);
}

namespace {

bool AllFaulted(std::initializer_list<ElementCheck*> checks) {
    return std::all_of(checks.begin(), checks.end(),
                       [](const ElementCheck* check) { return !check->Fault().empty(); });
}

}  // namespace

void WalkElements(pugi::xml_node root, std::initializer_list<ElementCheck*> checks) {
    std::vector<AttributeView> attributes;  // room kept from element to element
    pugi::xml_node node = root;
    int depth = 0;
    while (!AllFaulted(checks)) {
        if (node.type() == pugi::node_element) {
            attributes.clear();
            for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
                 attribute = attribute.next_attribute()) {
                attributes.push_back({attribute, attribute.name(), attribute.value()});
            }
            const ElementView element{node, node.name(), depth, attributes};
            for (ElementCheck* check : checks) check->Look(element);
            if (const pugi::xml_node child = node.first_child()) {
                node = child;
                ++depth;
                continue;
            }
        } else if (node.type() == pugi::node_pcdata) {
            for (ElementCheck* check : checks) check->LookAtText(node);
        }
        while (node != root && !node.next_sibling()) {
            node = node.parent();
            --depth;
        }
        if (node == root) return;
        node = node.next_sibling();
    }
}

}  // namespace nubera::sheet
