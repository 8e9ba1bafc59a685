#pragma once

// The attributes of a part's elements, checked against what readers that map
// the elements to objects field by field take (see KnownAttributes).

#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "spreadsheet/ooxml/package/checks/element_walk.h"

namespace nubera::sheet {

struct Vocabulary;

// Why the root element of `document` is not `element` of namespace `ns`,
// in Japanese; empty when it is.
std::string RootElementFault(const pugi::xml_document& document, std::string_view ns,
                             std::string_view element);

// Why such a reader would refuse the part held by `document` (a well-formed
// part, parsed with references resolved), in Japanese: an attribute without
// a prefix that the element does not take, a value its attribute does not
// take, or text in an element that holds only elements. Empty when there is
// none.
std::string MarkupFault(const pugi::xml_document& document);

// MarkupFault as a check of a walk, for a walk that other checks share.
class MarkupCheck final : public ElementCheck {
  protected:
    std::string ElementFault(const ElementView& element) override;

  private:
    void EnterElement(const ElementView& element);
    // Nothing where the prefix names a namespace of no known vocabulary.
    const Vocabulary* VocabularyOfPrefix(std::string_view prefix) const;

    // Each prefix in scope with the vocabulary its namespace names, looked
    // up once where it is declared, not at every element.
    PrefixBindings<const Vocabulary*> bound_;
};

}  // namespace nubera::sheet
