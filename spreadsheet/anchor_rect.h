#pragma once

namespace nubera::sheet {

// Where a drawing object lies on its sheet, whatever its anchor's kind.
struct AnchorRect {
    double left = 0;  // points from the sheet's left edge
    double top = 0;   // points from the sheet's top edge
    double width = 0;
    double height = 0;
};

}  // namespace nubera::sheet
