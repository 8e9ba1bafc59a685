#pragma once

// The numbers by which cells and styles name other styles and shared
// strings, checked against what the lists hold: a reader that looks them up
// refuses a workbook that names one past the end, where our own reader
// falls back on a default.

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace nubera::sheet {

struct ParsedPart {
    std::string_view name;
    const pugi::xml_document* document;
};

// Why a reader would refuse the styles part `styles` (nothing when the
// package has none) for a style it names that is not there, or a worksheet
// of `sheets` for a style or a shared string of `strings` (nothing when the
// package has none) that is not there; in Japanese, naming the part. Empty
// when every number names something.
std::string StyleReferenceFault(const ParsedPart* styles, const ParsedPart* strings,
                                const std::vector<ParsedPart>& sheets);

}  // namespace nubera::sheet
