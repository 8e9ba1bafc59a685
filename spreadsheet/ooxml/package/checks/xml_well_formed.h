#pragma once

// What every reader of a package demands of an XML part, checked on its
// bytes: pugixml reads far more than that (an unbound prefix, an attribute
// given twice, bytes that are not UTF-8, a stray "&"), so a part our reader
// takes may still be one that other programs refuse.

#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "spreadsheet/ooxml/package/checks/element_walk.h"

namespace nubera::sheet {

// Why the bytes of an XML part are not well-formed XML 1.0 with namespaces
// in UTF-8, in Japanese; empty when they are. Checks the encoding (UTF-8,
// optionally after a byte-order mark, and no other encoding declared), the
// characters XML allows, the structure (one root element, nothing but
// comments and processing instructions around it, no document type), every
// name and prefix (each prefix bound where it is used, each namespace name a
// URI reference, no attribute twice),
// and every entity and character reference.
std::string XmlWellFormedFault(std::string_view bytes);

// As above, leaving in `parsed` the part as read for the check, its
// references unresolved: without an "&" in the part, the same document a
// reader gets, which other checks can then walk without parsing again.
std::string XmlWellFormedFault(std::string_view bytes, pugi::xml_document& parsed);

// The first steps of XmlWellFormedFault: the encoding, the characters, the
// structure and the declaration, with the part parsed into `parsed` as
// above. A walk of its root element with WellFormedNames does the rest.
std::string XmlDocumentFault(std::string_view bytes, pugi::xml_document& parsed);

// The last step of XmlWellFormedFault, as a check of a walk: every name and
// prefix, every attribute given once, and every reference.
class WellFormedNames final : public ElementCheck {
  protected:
    std::string ElementFault(const ElementView& element) override;
    std::string TextFault(pugi::xml_node text) override;

  private:
    std::string NameFaultOf(std::string_view name, bool attribute) const;

    // The prefixes declared where the walk stands (nothing to keep for each
    // but that it is bound).
    PrefixBindings<bool> bound_;
};

}  // namespace nubera::sheet
