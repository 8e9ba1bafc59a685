#include "spreadsheet/drawn_shape.h"

namespace nubera::sheet {

bool DrawnShape::HasText() const {
    for (const ShapeParagraph& paragraph : paragraphs) {
        if (!paragraph.text.empty()) return true;
    }
    return false;
}

}  // namespace nubera::sheet
