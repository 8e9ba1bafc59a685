#include "screenrules/derived_fill_values.h"

#include <span>
#include <utility>

#include "screenrules/fill_load_rules.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera {
namespace {

struct DerivedField {
    std::size_t column;
    const char* name;
};

constexpr DerivedField kFillFields[] = {
    {fill_column::kTotalHeight, "合計高"},    {fill_column::kLoad, "荷重q"},
    {fill_column::kLoadingWidth, "載荷幅2a"}, {fill_column::kCentreDistance, "中心距離"},
    {fill_column::kCentreOffset, "重心位置"},
};

constexpr DerivedField kSurchargeFields[] = {
    {surcharge_column::kLoadingWidth, "載荷幅2a"},
    {surcharge_column::kCentreOffset, "重心位置"},
};

// The blocks with their total height and load taken from h, hy and γt as the
// screen computes them, not as stored.
std::vector<FillBlock> EnteredBlocks(const FillLoadTable& table) {
    std::vector<FillBlock> blocks = FillBlocksOf(table);
    for (FillBlock& block : blocks) {
        block.totalHeight = TotalHeight(block.h, block.hy);
        block.load = LoadIntensity(block.totalHeight, block.unitWeight);
    }
    return blocks;
}

bool HasRows(const std::optional<CellTable>& table) {
    return table && table->RowCount() > 0;
}

void AddMismatches(const CellTable& stored, const CellTable& computed, std::size_t rows,
                   bool surcharge, std::span<const DerivedField> fields,
                   std::vector<DerivedMismatch>& mismatches) {
    for (std::size_t row = 0; row < rows; ++row) {
        for (const DerivedField& field : fields) {
            const double kept = stored.Number(field.column, row);
            const double derived = computed.Number(field.column, row);
            if (!WithinRounding(kept, derived)) {
                mismatches.push_back({surcharge, row, field.column, field.name, kept, derived});
            }
        }
    }
}

std::string LoadName(const DerivedMismatch& mismatch) {
    return mismatch.surcharge ? std::string("上載荷重 ") + kSurchargeLabel
                              : "盛土荷重 " + FillLoadLabel(mismatch.row);
}

}  // namespace

FillLoads ComputedFillLoads(const FillLoads& stored) {
    if (!HasRows(stored.blocks)) return stored;
    const std::vector<FillBlock> blocks = EnteredBlocks(*stored.blocks);
    FillLoads computed{BuildFillLoadTable(blocks), stored.surcharge};
    if (HasRows(stored.surcharge)) {
        computed.surcharge =
            BuildSurchargeTable(stored.surcharge->Number(surcharge_column::kLoad, 0), blocks);
    }
    return computed;
}

std::vector<DerivedMismatch> DerivedValueMismatches(const FillLoads& stored) {
    std::vector<DerivedMismatch> mismatches;
    if (!HasRows(stored.blocks)) return mismatches;
    const FillLoads computed = ComputedFillLoads(stored);
    AddMismatches(*stored.blocks, *computed.blocks, stored.blocks->RowCount(), false, kFillFields,
                  mismatches);
    // Only the surcharge's first row is ever used.
    if (HasRows(stored.surcharge)) {
        AddMismatches(*stored.surcharge, *computed.surcharge, 1, true, kSurchargeFields,
                      mismatches);
    }
    return mismatches;
}

void TakeComputedValues(FillLoads& loads) {
    const FillLoads computed = ComputedFillLoads(loads);
    for (const DerivedMismatch& mismatch : DerivedValueMismatches(loads)) {
        CellTable& to = mismatch.surcharge ? *loads.surcharge : *loads.blocks;
        const CellTable& from = mismatch.surcharge ? *computed.surcharge : *computed.blocks;
        to.At(mismatch.column, mismatch.row) = from.At(mismatch.column, mismatch.row);
    }
}

void TakeComputedValues(ProjectData& project) {
    FillLoads loads = FillLoadsOf(project);
    TakeComputedValues(loads);
    project.fillLoads = std::move(loads.blocks);
    project.surcharge = std::move(loads.surcharge);
}

std::string DerivedMismatchText(const std::vector<DerivedMismatch>& mismatches) {
    std::string text;
    for (const DerivedMismatch& mismatch : mismatches) {
        if (!text.empty()) text += '\n';
        text += LoadName(mismatch) + " の" + mismatch.field + "(" + FormatNumber(mismatch.stored) +
                ")が入力値からの計算値(" + FormatNumber(mismatch.computed) + ")と合いません。";
    }
    return text;
}

}  // namespace nubera
