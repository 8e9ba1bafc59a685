#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/project_data.h"

namespace nubera {

// Where in a project a value is kept.
enum class ValueSource {
    ExcavationWidth,
    LeveeWidth,
    PoissonRatio,  // only while the lateral displacement is computed
    SoilLayer,     // a column of every soil layer
    FillLoad,      // a column of every fill block
    Surcharge,     // a column of the surcharge
    NValue,        // every N-value of the boring log the layers were read off
};

// Where a value of the project usually lies, both ends inclusive. A value
// outside is computed as it stands (files may hold odd values), but never in
// silence: it is more often a slip of the unit, the decimal point or the
// column than ground or a fill that exists.
struct PlausibleRange {
    ValueSource source;
    std::size_t column;  // of the table, for SoilLayer, FillLoad and Surcharge
    const char* field;   // as messages name it, after the layer or block
    const char* unit;    // empty for a ratio or a count
    double min;
    double max;
    const char* reason;  // why, in one line, told with a value outside
};

inline constexpr PlausibleRange kPlausibleRanges[] = {
    {ValueSource::ExcavationWidth, 0, "開削幅", "m", 0.5, 100,
     "人が入って掘れる幅から、土質条件画面で入力できる100 mまでが目安です。"},
    {ValueSource::LeveeWidth, 0, "堤体幅", "m", 1, 100,
     "小さな堤防でも幅は1 m以上あり、土質条件画面で入力できるのは100 mまでです。"},
    {ValueSource::PoissonRatio, 0, "ﾎﾟｱｿﾝ比", "", 0.1, 0.5,
     "土のﾎﾟｱｿﾝ比は締まった砂の0.1程度から飽和した粘土の0.5までです。"},
    {ValueSource::SoilLayer, soil_column::kThickness, "層厚", "m", 0, 100,
     "1層の厚さとして土質条件画面で入力できるのは100 mまでです。"},
    {ValueSource::SoilLayer, soil_column::kDepth, "深度", "m", 0, 100,
     "即時沈下を見込む地盤は、ボーリングで調べる100 m程度の深さまでです。"},
    {ValueSource::SoilLayer, soil_column::kModulus, "変形係数Es", "kN/㎡", 100, 1e7,
     "極めて軟らかい粘土から軟岩までの値です。単位(N/㎡、MN/㎡)の取り違えが疑われます。"},
    {ValueSource::NValue, 0, "N値", "", 0, 300,
     "標準貫入試験は50回程度の打撃で打ち切ります。記録の誤りが疑われます。"},
    {ValueSource::FillLoad, fill_column::kHeight, "盛土高h", "m", 0, 40,
     "堤防の盛土は高くても十数 mで、40 mを超えるのはダムの規模です。"},
    {ValueSource::FillLoad, fill_column::kExtraHeight, "余盛高hy", "m", 0, 5,
     "余盛りは沈下を見込んだ1 m程度までです。盛土高との取り違えが疑われます。"},
    {ValueSource::FillLoad, fill_column::kUnitWeight, "単位重量γt", "kN/m³", 12, 25,
     "軽い火山灰質土から締まった礫質土までの値です。単位(t/m³など)の取り違えが疑われます。"},
    {ValueSource::FillLoad, fill_column::kLoad, "荷重q", "kN/㎡", 0, 1000,
     "高さ40 mの盛土を25 kN/m³で積んでも1000 kN/㎡です。"},
    {ValueSource::FillLoad, fill_column::kLeftSlope, "法面幅A", "m", 0, 100,
     "高さ40 mの盛土を1:2.5の勾配で積んでも法面の幅は100 mです。"},
    {ValueSource::FillLoad, fill_column::kCrest, "天端幅B", "m", 0, 100,
     "盛土荷重画面で入力できる幅は100 mまでです。"},
    {ValueSource::FillLoad, fill_column::kRightSlope, "法面幅C", "m", 0, 100,
     "高さ40 mの盛土を1:2.5の勾配で積んでも法面の幅は100 mです。"},
    {ValueSource::Surcharge, surcharge_column::kLoad, "荷重", "kN/㎡", 0, 1000,
     "交通荷重(10 kN/㎡程度)や建物、資材の荷重でも1000 kN/㎡には達しません。"},
};

// One value of the project that a range judges.
struct RangedValue {
    const PlausibleRange* range;
    std::size_t row = 0;   // the layer or block; 0 for a single value
    std::size_t test = 0;  // NValue: which of the layer's tests
    double value = 0;

    // What messages call it: "土質条件の第2層の変形係数Es", "盛土荷重 q1 の荷重q".
    std::string Name() const;
    // Inside its range.
    bool Plausible() const;
};

// Visits every value a range judges, range by range in the table's order,
// top row first: the Poisson's ratio only in a lateral run, where it is used;
// the N-values only while the derivation still describes the layers, as the
// report shows them.
void ForEachRangedValue(const ProjectData& project,
                        const std::function<void(const RangedValue&)>& visit);

// The values outside their ranges, in the order visited. A Poisson's ratio
// above kPoissonSignLimit is left out: PoissonRatioWarning tells what it does.
std::vector<RangedValue> FindImplausibleValues(const ProjectData& project);

// What the person is told of a value outside its range: one sentence saying
// so, "土質条件の第1層の変形係数Es(50)が目安の範囲(100～10000000 kN/㎡)を外れています。",
// then the range's reason.
std::string ImplausibleValueText(const RangedValue& value);

}  // namespace nubera
