#pragma once

// XML compared as readers see it: parsed and printed again one element a
// line, so that the layout of a hand-written expectation does not count and
// a difference shows as the line it is on. Declarations, attribute order,
// prefixes, texts and their whitespace all still count.

#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <string_view>

namespace nubera::test {

// `xml` printed one element a line; a parse failure is returned as text, so
// that it shows in the comparison.
inline std::string NormalisedXml(std::string_view xml) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(
        xml.data(), xml.size(),
        pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single,
        pugi::encoding_utf8);
    if (!parsed) {
        return "not well-formed at byte " + std::to_string(parsed.offset) + ": " +
               parsed.description();
    }
    std::ostringstream printed;
    document.save(printed, "  ", pugi::format_indent | pugi::format_no_declaration,
                  pugi::encoding_utf8);
    return printed.str();
}

// The element `node` (and what it holds) printed as NormalisedXml prints it.
inline std::string NormalisedXml(const pugi::xml_node& node) {
    std::ostringstream printed;
    node.print(printed, "", pugi::format_raw, pugi::encoding_utf8);
    return NormalisedXml(printed.str());
}

}  // namespace nubera::test
