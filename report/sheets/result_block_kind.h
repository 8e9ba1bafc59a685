#pragma once

namespace nubera::report {

// What one call of a sheet writer writes: the block of load block i, the
// surcharge block, or the summary sheet.
enum class ResultBlockKind { LoadBlock = 0, SurchargeBlock = 1, Summary = 2 };

// Every result block is a copy of the model's 16 rows 2..17.
inline constexpr int kModelFirstRow = 2;
inline constexpr int kModelLastRow = 17;
inline constexpr int kBlockRows = kModelLastRow - kModelFirstRow + 1;

// First row of block i on a calculation sheet; s = 1 after a page break, which
// moves the following blocks one row down.
constexpr int BlockFirstRow(int i, int s) {
    return kBlockRows * i + kModelFirstRow + s;
}

}  // namespace nubera::report
