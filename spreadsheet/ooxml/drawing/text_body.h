#pragma once

// The text of a text box (its xdr:txBody of a:p paragraphs and a:r runs).

#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace nubera::sheet {

// The paragraphs' texts joined by "\n".
std::string TextBodyText(const pugi::xml_node& shape);

// Replaces the text, one paragraph per line of `text`, keeping the first
// paragraph's properties and the first run's font for every line.
void SetTextBodyText(pugi::xml_node shape, std::string_view text);

}  // namespace nubera::sheet
