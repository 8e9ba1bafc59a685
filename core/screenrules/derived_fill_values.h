#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "screenrules/fill_loads.h"

namespace nubera {

// A value the fill-load screen derives from the entered ones (合計高, q, 2a,
// the centre's distance and offset of a fill row; the surcharge's loading
// width and offset) that a project file holds otherwise: the run would take
// the stored value, which contradicts the entered ones printed beside it.
struct DerivedMismatch {
    bool surcharge = false;  // the surcharge's row, else fill row `row`
    std::size_t row = 0;
    std::size_t column = 0;
    std::string field;  // its name in messages
    double stored = 0;
    double computed = 0;

    bool operator==(const DerivedMismatch&) const = default;
};

// The tables as the fill-load screen would write them from their entered
// values: h, hy, γt, the reference distance, A, B, C and qX.
FillLoads ComputedFillLoads(const FillLoads& stored);

// Every derived value that differs from the computed one by more than
// kRoundingTolerance: fill rows top first, each in column order, then the
// surcharge. Empty when the tables agree with themselves, as every table the
// program writes does.
std::vector<DerivedMismatch> DerivedValueMismatches(const FillLoads& stored);

// Replaces the values DerivedValueMismatches lists by the computed ones and
// leaves every other cell as it was.
void TakeComputedValues(FillLoads& loads);
// The same for the project's fill blocks and surcharge.
void TakeComputedValues(ProjectData& project);

// What a refusal of such a file asks the person to do.
inline constexpr const char* kDerivedMismatchAdvice =
    "盛土荷重入力画面で入力した値をご確認ください。";

// One line per mismatch naming the load, the field, the stored value and the
// computed one: "盛土荷重 q1 の荷重q(90)が入力値からの計算値(45)と合いません。"
std::string DerivedMismatchText(const std::vector<DerivedMismatch>& mismatches);

}  // namespace nubera
