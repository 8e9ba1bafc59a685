#include "spreadsheet/ooxml/grid/sheet_geometry.h"

#include <algorithm>
#include <cmath>

namespace nubera::sheet {
namespace {

constexpr double kPointsPerPixel = 0.75;  // 72 points per inch at 96 pixels per inch

// Walks from the first row or column past those that end before `position`.
template <typename Size>
SheetGeometry::Place PlaceAt(double position, int last, Size size) {
    SheetGeometry::Place place{1, std::max(0.0, position)};
    while (place.index < last && place.offset >= size(place.index)) {
        place.offset -= size(place.index);
        ++place.index;
    }
    return place;
}

}  // namespace

SheetGeometry::SheetGeometry(const std::vector<ColumnFormat>& columns,
                             const std::map<int, Row>& rows, const SheetDefaults& defaults,
                             int maxDigitWidth)
    : columns_(columns), rows_(rows), defaults_(defaults), maxDigitWidth_(maxDigitWidth) {}

// A stored width counts digits of the default font plus its padding; a
// spreadsheet program draws it in whole pixels.
double SheetGeometry::WidthInPoints(double characters) const {
    const double mdw = maxDigitWidth_;
    const double pixels = std::trunc((256 * characters + std::trunc(128 / mdw)) / 256 * mdw);
    return std::max(0.0, pixels) * kPointsPerPixel;
}

// Without a default width the sheet's columns are baseColWidth digits plus
// 5 pixels of padding, rounded up to a multiple of 8 pixels.
double SheetGeometry::DefaultColumnWidth() const {
    if (defaults_.columnWidth) return WidthInPoints(*defaults_.columnWidth);
    const double pixels = defaults_.baseColumnWidth * maxDigitWidth_ + 5;
    return std::ceil(pixels / 8) * 8 * kPointsPerPixel;
}

double SheetGeometry::ColumnWidth(int column) const {
    for (const ColumnFormat& format : columns_) {
        if (column < format.min || column > format.max) continue;
        if (format.hidden) return 0;
        return format.width ? WidthInPoints(*format.width) : DefaultColumnWidth();
    }
    return DefaultColumnWidth();
}

double SheetGeometry::RowHeight(int row) const {
    const auto found = rows_.find(row);
    return found == rows_.end() ? defaults_.rowHeight : HeightOf(found->second);
}

// The walks over the rows read each row's height where they stand rather
// than looking the row up again.
double SheetGeometry::HeightOf(const Row& row) const {
    if (row.hidden) return 0;
    return row.height.value_or(defaults_.rowHeight);
}

double SheetGeometry::ColumnLeft(int column) const {
    double left = (column - 1) * DefaultColumnWidth();
    for (const ColumnFormat& format : columns_) {
        const int last = std::min(format.max, column - 1);
        if (format.min > last) continue;
        left += (last - format.min + 1) * (ColumnWidth(format.min) - DefaultColumnWidth());
    }
    return left;
}

double SheetGeometry::RowTop(int row) const {
    double top = (row - 1) * defaults_.rowHeight;
    for (auto it = rows_.begin(); it != rows_.end() && it->first < row; ++it) {
        top += HeightOf(it->second) - defaults_.rowHeight;
    }
    return top;
}

SheetGeometry::Place SheetGeometry::ColumnAt(double x) const {
    return PlaceAt(x, kMaxColumn, [this](int column) { return ColumnWidth(column); });
}

// Rows without a height of their own are passed a run at a time: a shape
// anchored far down a damaged sheet would otherwise cost a step for each of
// a million rows.
SheetGeometry::Place SheetGeometry::RowAt(double y) const {
    Place place{1, std::max(0.0, y)};
    const double height = defaults_.rowHeight;
    // Passes the default rows from place.index up to (not including) `next`.
    const auto passDefaultRows = [&](int next) {
        int rows = next - place.index;
        if (height > 0) {
            rows = static_cast<int>(std::min<double>(rows, std::floor(place.offset / height)));
            // A quotient rounded up would pass a row the offset does not cover.
            if (rows > 0 && place.offset - rows * height < 0) --rows;
        }
        place.index += rows;
        place.offset -= rows * height;
    };
    for (auto it = rows_.lower_bound(1); it != rows_.end() && it->first < kMaxRow; ++it) {
        passDefaultRows(it->first);
        if (place.index < it->first) return place;
        const double own = HeightOf(it->second);
        if (place.offset < own) return place;
        place.offset -= own;
        ++place.index;
    }
    passDefaultRows(kMaxRow);
    return place;
}

}  // namespace nubera::sheet
