#pragma once

// Where the rows and columns of a sheet lie, in points from its top-left
// corner, as a spreadsheet program lays them out at 96 dpi: drawing anchors
// given in cells become positions in points and back.

#include <cmath>

#include "spreadsheet/ooxml/grid/sheet_data.h"

namespace nubera::sheet {

// Drawings store positions and sizes in whole EMU.
inline constexpr double kEmuPerPoint = 12700;

inline long long PointsToEmu(double points) {
    return std::llround(points * kEmuPerPoint);
}

inline double EmuToPoints(long long emu) {
    return emu / kEmuPerPoint;
}

class SheetGeometry {
  public:
    // `maxDigitWidth`: the default font's widest digit in pixels (Styles::MaxDigitWidth).
    SheetGeometry(const SheetData& data, int maxDigitWidth)
        : SheetGeometry(data.columns, data.rows, data.defaults, maxDigitWidth) {}
    // The parts are kept by reference and must outlive the geometry.
    SheetGeometry(const std::vector<ColumnFormat>& columns, const std::map<int, Row>& rows,
                  const SheetDefaults& defaults, int maxDigitWidth);

    double ColumnWidth(int column) const;  // points; 0 for a hidden column
    double RowHeight(int row) const;       // points; 0 for a hidden row
    double ColumnLeft(int column) const;   // the left edge of the column
    double RowTop(int row) const;          // the top edge of the row

    // The row or column holding a position, and how far into it the position lies.
    struct Place {
        int index = 1;
        double offset = 0;  // points
    };
    Place ColumnAt(double x) const;
    Place RowAt(double y) const;

  private:
    double WidthInPoints(double characters) const;
    double DefaultColumnWidth() const;
    double HeightOf(const Row& row) const;

    const std::vector<ColumnFormat>& columns_;
    const std::map<int, Row>& rows_;
    const SheetDefaults& defaults_;
    int maxDigitWidth_;
};

}  // namespace nubera::sheet
