#pragma once

// What the model reads of the workbook's styles part, which it otherwise
// carries through unchanged: the number format of each cell style and the
// default font, from which column widths in characters become points.

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace nubera::sheet {

class Styles {
  public:
    void Load(std::string_view xml, std::string_view partName);

    // GridCell styles (the s attribute of a cell) run from 0 to CellStyleCount() − 1.
    int CellStyleCount() const { return static_cast<int>(numberFormatIds_.size()); }
    // The number format code of cell style `style`, "General" when it has none.
    std::string NumberFormat(int style) const;
    // The width of the widest digit 0–9 of the default font, in pixels at
    // 96 dpi: the unit of column widths.
    int MaxDigitWidth() const { return maxDigitWidth_; }

    // The parsed part, for readers of fonts, fills, borders and alignment.
    const pugi::xml_document& Document() const { return document_; }

  private:
    pugi::xml_document document_;
    std::vector<int> numberFormatIds_;
    std::unordered_map<int, std::string> customFormats_;
    int maxDigitWidth_ = 7;
};

}  // namespace nubera::sheet
