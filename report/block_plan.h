#pragma once

#include <optional>
#include <vector>

#include "report/sheets/result_block_kind.h"

namespace nubera::report {

// Where one result block goes on a calculation sheet.
struct PlannedBlock {
    ResultBlockKind mode = ResultBlockKind::LoadBlock;  // LoadBlock or SurchargeBlock
    int index = 0;     // i: the load block, or the count of load blocks
    int shift = 0;     // s
    int firstRow = 0;  // BlockFirstRow(i, s)
    // A page break is added before this row once the block is written.
    std::optional<int> pageBreakBefore;

    bool operator==(const PlannedBlock&) const = default;
};

// The blocks of a calculation sheet in the order they are pasted: one per
// load block, then the surcharge. Two blocks share a page; after every second
// block comes a page break, and the next block starts one row lower so that
// the page does not open on a title row. A block may start on the last (blank)
// row of the one before it.
std::vector<PlannedBlock> PlanBlocks(int loadBlocks, bool withSurcharge);

struct ColumnRange {
    int first = 0;
    int last = 0;
    bool operator==(const ColumnRange&) const = default;
};

// The summary has five load columns D..H; those beyond the project's load
// blocks are deleted. Nothing to delete with five blocks.
std::optional<ColumnRange> SurplusLoadColumns(int loadBlocks);

}  // namespace nubera::report
