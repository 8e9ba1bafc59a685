#pragma once

// The cell styles of a workbook resolved into what printing a cell needs:
// font, fill, borders, alignment and number format.

#include <vector>

#include "spreadsheet/cell_format.h"
#include "spreadsheet/ooxml/styles/styles.h"
#include "spreadsheet/ooxml/styles/theme_colors.h"

namespace nubera::sheet {

class CellFormats {
  public:
    CellFormats(const Styles& styles, const ThemeColors& theme);

    // The format of cell style `style`; the first one for an index out of range.
    const CellFormat& Of(int style) const;
    const FontFormat& DefaultFont() const { return defaultFont_; }

  private:
    std::vector<CellFormat> formats_;
    FontFormat defaultFont_;
};

}  // namespace nubera::sheet
