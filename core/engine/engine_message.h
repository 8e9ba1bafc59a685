#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nubera {

inline constexpr const char* kSoilLayersMissing = "土質条件が設定されていません。";
inline constexpr const char* kFillLoadsMissing = "盛土荷重が設定されていません。";
inline constexpr const char* kFocusPointsMissing = "着目点が設定されていません。";
inline constexpr const char* kPointsNotPlaced = "着目点の位置が計算されていません。";

// Reasons shared by the steps' messages (see CannotComputeAt).
inline constexpr const char* kBeyondRangeReason = "値が扱える範囲を超えた";
inline constexpr const char* kEmZeroReason = "Em値(換算変形係数)が0の";
inline constexpr const char* kEmNotPositiveReason = "Em値(換算変形係数)が正の数でない";
// After a value's name: negative or not a number.
inline constexpr const char* kNotPositiveReason = "正の数でない";
inline constexpr const char* kZeroWidthReason = "載荷幅が0以下の";

// Why Em cannot enter a formula (kEmZeroReason, kEmNotPositiveReason, or
// kBeyondRangeReason for an infinite one), or nullptr when UsableModulus
// takes it: the run and each formula judge Em by the same rule.
const char* UnusableEmReason(double em);

// reason + "ため、" + load + " の" + point + "の" + quantity + "を計算できません。", e.g.
// "Em値(換算変形係数)が0のため、盛土荷重 q1 の着目点①の即時沈下量を計算できません。"
std::string CannotComputeAt(std::string_view reason, std::string_view load, std::size_t point,
                            std::string_view quantity);

}  // namespace nubera
