#include "printout/page_layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace nubera::printout {
namespace {

constexpr double kTolerance = 1e-6;  // points; sums of row heights carry rounding
constexpr int kSmallestFitPercent = 10;

struct Band {
    int first;
    int last;
};

// One direction of the grid: row heights with the row breaks, or column
// widths with the column breaks, and the titles repeated in that direction.
struct Lines {
    int first;
    const std::vector<double>& sizes;
    const std::vector<int>& breaks;
    std::optional<std::pair<int, int>> titles;
    double titleSize;
};

double Total(const std::vector<double>& sizes) {
    return std::accumulate(sizes.begin(), sizes.end(), 0.0);
}

// Splits the lines into bands no longer than `available`, each starting at a
// manual break (unless `manualBreaks` is off) or where the next line would
// overflow. A line longer than a whole page gets a band of its own.
std::vector<Band> SplitIntoBands(const Lines& lines, double available, bool manualBreaks) {
    std::vector<Band> bands;
    int start = lines.first;
    double used = 0;
    auto reserved = [&] {
        return lines.titles && start > lines.titles->second ? lines.titleSize : 0.0;
    };
    for (std::size_t i = 0; i < lines.sizes.size(); ++i) {
        const int line = lines.first + static_cast<int>(i);
        const bool manual = manualBreaks && std::find(lines.breaks.begin(), lines.breaks.end(),
                                                      line) != lines.breaks.end();
        const bool full = reserved() + used + lines.sizes[i] > available + kTolerance;
        if (line != start && (manual || full)) {
            bands.push_back({start, line - 1});
            start = line;
            used = 0;
        }
        used += lines.sizes[i];
    }
    if (!lines.sizes.empty())
        bands.push_back({start, lines.first + static_cast<int>(lines.sizes.size()) - 1});
    return bands;
}

struct Available {
    double width;
    double height;
};

// The paper left for the sheet inside the margins, in sheet points at `scale`.
Available AvailableAt(const sheet::PageSetup& setup, double scale) {
    return {setup.PrintableWidth() / scale, setup.PrintableHeight() / scale};
}

Lines RowLines(const PageGrid& grid, const sheet::PageSetup& setup) {
    return {grid.firstRow, grid.rowHeights, grid.rowBreaks, setup.titleRows, grid.titleHeight};
}

Lines ColumnLines(const PageGrid& grid, const sheet::PageSetup& setup) {
    return {grid.firstColumn, grid.columnWidths, grid.columnBreaks, setup.titleColumns,
            grid.titleWidth};
}

bool FitsAt(const PageGrid& grid, const sheet::PageSetup& setup, int percent) {
    const Available available = AvailableAt(setup, percent / 100.0);
    const bool wideEnough =
        setup.fitToWidth == 0 ||
        static_cast<int>(SplitIntoBands(ColumnLines(grid, setup), available.width, false).size()) <=
            setup.fitToWidth;
    const bool tallEnough =
        setup.fitToHeight == 0 ||
        static_cast<int>(SplitIntoBands(RowLines(grid, setup), available.height, false).size()) <=
            setup.fitToHeight;
    return wideEnough && tallEnough;
}

// The largest whole percentage, at most 100, at which the sheet fits the
// pages asked for; the smallest one a spreadsheet program allows otherwise.
int FitPercent(const PageGrid& grid, const sheet::PageSetup& setup) {
    const Available full = AvailableAt(setup, 1);
    double ratio = 1;
    if (setup.fitToWidth > 0) {
        ratio = std::min(ratio, full.width * setup.fitToWidth / Total(grid.columnWidths));
    }
    if (setup.fitToHeight > 0) {
        ratio = std::min(ratio, full.height * setup.fitToHeight / Total(grid.rowHeights));
    }
    int percent = std::clamp(static_cast<int>(std::floor(ratio * 100 + kTolerance)),
                             kSmallestFitPercent, 100);
    while (percent > kSmallestFitPercent && !FitsAt(grid, setup, percent)) --percent;
    return percent;
}

std::optional<std::pair<int, int>> TitlesBefore(const Band& band, const Lines& lines) {
    if (lines.titles && band.first > lines.titles->second) return lines.titles;
    return std::nullopt;
}

}  // namespace

PageLayout LayOutPages(const PageGrid& grid, const sheet::PageSetup& setup) {
    PageLayout layout;
    if (grid.rowHeights.empty() || grid.columnWidths.empty()) return layout;
    const int percent = setup.fitToPage ? FitPercent(grid, setup) : setup.scalePercent;
    layout.scale = percent / 100.0;
    const Available available = AvailableAt(setup, layout.scale);
    const Lines rows = RowLines(grid, setup);
    const Lines columns = ColumnLines(grid, setup);
    // Fitting ignores the manual breaks of a direction it bounds; one left to
    // run on over as many pages as it needs keeps them, as spreadsheet
    // programs do, so a sheet fitted to the paper's width still starts its
    // sections where it asks.
    const std::vector<Band> rowBands =
        SplitIntoBands(rows, available.height, !setup.fitToPage || setup.fitToHeight == 0);
    const std::vector<Band> columnBands =
        SplitIntoBands(columns, available.width, !setup.fitToPage || setup.fitToWidth == 0);
    auto add = [&](const Band& row, const Band& column) {
        layout.pages.push_back({row.first, row.last, column.first, column.last,
                                TitlesBefore(row, rows), TitlesBefore(column, columns)});
    };
    if (setup.overThenDown) {
        for (const Band& row : rowBands) {
            for (const Band& column : columnBands) add(row, column);
        }
    } else {
        for (const Band& column : columnBands) {
            for (const Band& row : rowBands) add(row, column);
        }
    }
    return layout;
}

}  // namespace nubera::printout
