#pragma once

#include <vector>

#include "model/calc_results.h"
#include "model/project_data.h"
#include "report/sheets/result_block_kind.h"
#include "spreadsheet/worksheet.h"

namespace nubera::report {

// Where a block's header texts go: row r, columns C and E.
inline constexpr int kColHeaderLeft = 3;
inline constexpr int kColHeaderRight = 5;

// The results one kind of sheet shows (immediate settlement or lateral
// displacement) and the texts beside a block's title, which is all the two
// kinds differ in.
struct ResultKind {
    const std::vector<PointDetail>& loadBlocks;  // [load block]
    const PointDetail& surcharge;
    // Writes the texts right of the title of the block starting at row r.
    void (*writeBlockHeader)(sheet::Worksheet& sheet, int r, const PointDetail& detail,
                             const ProjectData& project);
};

// Fills the block of load block i (its first row BlockFirstRow(i, s)), the
// surcharge block, or the summary sheet, as `mode` says.
void WriteResultSheet(sheet::Worksheet& sheet, const ProjectData& project,
                      const CalcResults& results, const ResultKind& kind, ResultBlockKind mode,
                      int i, int s);

// A load's own value that every point of it carries (item 4 or 5), taken from
// the first point present; missing when no point is.
Cell LoadItem(const PointDetail& detail, std::size_t item);

// Writes a table value as a number; a missing value leaves the cell empty.
void PutValue(sheet::Worksheet& sheet, int row, int column, const Cell& value);

}  // namespace nubera::report
