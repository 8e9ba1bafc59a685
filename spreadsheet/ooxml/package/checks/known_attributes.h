#pragma once

// The attributes without a prefix that the elements of a package may carry,
// for the elements that readers map to objects field by field (the content
// types, the relationships, the workbook, its styles, shared strings and
// sheets, and the shapes of its drawings). Such a reader refuses an element
// with any other attribute, or with a value its field cannot take, where our
// own reader passes over what it does not use.

#include <string_view>
#include <unordered_map>
#include <vector>

#include "spreadsheet/ooxml/package/checks/attribute_value.h"
#include "spreadsheet/ooxml/package/namespaces.h"

namespace nubera::sheet {

struct ElementRules {
    std::vector<AttributeRule> attributes;  // the attributes the element may carry
    // Whether the element holds text of its own (a cell value, a formula, a
    // run's text); the others hold only elements, and a reader that maps
    // them finds nothing it knows in text.
    bool holdsText = false;
};

// The elements of one namespace whose attributes are known.
struct Vocabulary {
    std::unordered_map<std::string_view, ElementRules> elements;
};

// The vocabulary of namespace `ns`; nothing when none of its elements is
// one whose attributes are known.
const Vocabulary* VocabularyOf(std::string_view ns);

// The rules of `element` in `vocabulary`; nothing when its attributes are
// not known.
const ElementRules* KnownElement(const Vocabulary& vocabulary, std::string_view element);

}  // namespace nubera::sheet
