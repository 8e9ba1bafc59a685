#include "screenrules/fill_load_rules.h"

#include "text/round_half.h"

namespace nubera {
namespace {

// Distance of a block's centre from the reference point.
double CentreDistance(const FillBlock& block) {
    return block.base + (block.a + block.b + block.c) / 2;
}

// An offset from the top block's centre; a lone block is its own centre, which
// the table has always held as the text "0".
Cell OffsetCell(double offset, std::size_t blockCount) {
    return blockCount < 2 ? Cell::Text("0") : Cell::Number(offset);
}

}  // namespace

std::string FillLoadLabel(std::size_t row) {
    return "q" + std::to_string(row + 1);
}

double TotalHeight(double h, double hy) {
    return RoundHalf(h + hy);
}

double LoadIntensity(double totalHeight, double unitWeight) {
    return RoundHalf(totalHeight * unitWeight);
}

std::vector<FillBlock> FillBlocksOf(const FillLoadTable& table) {
    std::vector<FillBlock> blocks;
    for (std::size_t r = 0; r < table.RowCount(); ++r) {
        blocks.push_back({.base = table.Number(fill_column::kToeDistance, r),
                          .a = table.Number(fill_column::kLeftSlope, r),
                          .b = table.Number(fill_column::kCrest, r),
                          .c = table.Number(fill_column::kRightSlope, r),
                          .h = table.Number(fill_column::kHeight, r),
                          .hy = table.Number(fill_column::kExtraHeight, r),
                          .totalHeight = table.Number(fill_column::kTotalHeight, r),
                          .unitWeight = table.Number(fill_column::kUnitWeight, r),
                          .load = table.Number(fill_column::kLoad, r)});
    }
    return blocks;
}

FillLoadTable BuildFillLoadTable(const std::vector<FillBlock>& blocks) {
    FillLoadTable table = MakeFillLoadTable();
    table.ResizeRows(blocks.size());
    for (std::size_t r = 0; r < blocks.size(); ++r) {
        const FillBlock& block = blocks[r];
        const double values[] = {block.h,
                                 block.hy,
                                 block.totalHeight,
                                 block.unitWeight,
                                 block.load,
                                 block.base,
                                 block.a,
                                 block.b,
                                 block.c,
                                 block.a / 2 + block.b + block.c / 2,
                                 CentreDistance(block)};
        for (std::size_t column = 0; column < std::size(values); ++column) {
            table.At(column, r) = Cell::Number(values[column]);
        }
        table.At(fill_column::kCentreOffset, r) =
            OffsetCell(CentreDistance(block) - CentreDistance(blocks.front()), blocks.size());
    }
    return table;
}

SurchargeTable BuildSurchargeTable(double qx, const std::vector<FillBlock>& blocks) {
    const FillBlock& top = blocks.front();
    SurchargeTable table = MakeSurchargeTable();
    table.ResizeRows(1);
    table.At(surcharge_column::kLoad, 0) = Cell::Number(qx);
    table.At(surcharge_column::kLoadingWidth, 0) = Cell::Number(top.b);
    table.At(surcharge_column::kCentreOffset, 0) =
        OffsetCell(top.base + top.a + top.b / 2 - CentreDistance(top), blocks.size());
    return table;
}

std::optional<StackingFailure> CheckStacking(const std::vector<FillBlock>& blocks) {
    if (blocks.empty()) return std::nullopt;
    const std::size_t bottom = blocks.size() - 1;
    if (RoundHalf(blocks[bottom].base) != 0) {
        return StackingFailure{bottom, StackingFailure::Field::Base,
                               "最下段の基準点距離は\"0\"にしてください。"};
    }
    for (std::size_t i = bottom; i-- > 0;) {
        const FillBlock& upper = blocks[i];
        const FillBlock& lower = blocks[i + 1];
        const double left = RoundHalf(lower.base + lower.a);
        const double right = RoundHalf(lower.base + lower.a + lower.b);
        const double base = RoundHalf(upper.base);
        const std::string names = FillLoadLabel(i) + "の";
        const std::string within =
            "は" + FillLoadLabel(i + 1) + "の天端幅内になる様に設定してください。";
        if (base < left || base > right) {
            return StackingFailure{i, StackingFailure::Field::Base,
                                   "基準点距離が不正です。\n" + names + "基準点距離" + within};
        }
        if (RoundHalf(upper.base + upper.a + upper.b + upper.c) > right) {
            return StackingFailure{i, StackingFailure::Field::A,
                                   "全体長が不正です。\n" + names + "全体長" + within};
        }
    }
    return std::nullopt;
}

}  // namespace nubera
