#include "report/block_plan.h"

namespace nubera::report {
namespace {

// Column D holds load block 1 on a summary; H holds load block 5.
constexpr int kFirstLoadColumn = 4;
constexpr int kLastLoadColumn = 8;

PlannedBlock PlaceBlock(ResultBlockKind mode, int index, int shift) {
    PlannedBlock block{mode, index, shift, BlockFirstRow(index, shift), std::nullopt};
    if (index % 2 == 1) {
        block.pageBreakBefore = block.firstRow + kBlockRows;
    }
    return block;
}

}  // namespace

std::vector<PlannedBlock> PlanBlocks(int loadBlocks, bool withSurcharge) {
    std::vector<PlannedBlock> blocks;
    int shift = 0;
    auto place = [&](ResultBlockKind mode, int index) {
        blocks.push_back(PlaceBlock(mode, index, shift));
        shift = blocks.back().pageBreakBefore ? 1 : 0;
    };
    for (int i = 0; i < loadBlocks; ++i) {
        place(ResultBlockKind::LoadBlock, i);
    }
    if (withSurcharge) {
        place(ResultBlockKind::SurchargeBlock, loadBlocks);
    }
    return blocks;
}

std::optional<ColumnRange> SurplusLoadColumns(int loadBlocks) {
    const int firstSurplus = kFirstLoadColumn + loadBlocks;
    if (firstSurplus > kLastLoadColumn) {
        return std::nullopt;
    }
    return ColumnRange{firstSurplus, kLastLoadColumn};
}

}  // namespace nubera::report
