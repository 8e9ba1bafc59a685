#include "spreadsheet/cell_format.h"

namespace nubera::sheet {

bool CellFormat::HasBorder() const {
    for (const BorderSide* side : {&left, &right, &top, &bottom}) {
        if (side->line != BorderLine::None) return true;
    }
    return false;
}

}  // namespace nubera::sheet
