#pragma once

#include <optional>
#include <string_view>

namespace nubera {

// The element names that changed between the exchange format's versions;
// everything else the program reads is named alike in all of them.
struct BoringSchema {
    std::string_view version;   // the root's DTD_version
    const char* division;       // one soil or rock division
    const char* divisionDepth;  // its bottom depth
    const char* divisionName;   // its name
    const char* totalLength;    // the boring's total length
    double penetrationToCm;     // the penetration unit: cm up to 3.00, mm from 4.00
};

std::optional<BoringSchema> BoringSchemaOf(std::string_view dtdVersion);

namespace boring_element {
inline constexpr const char* kRoot = "ボーリング情報";
inline constexpr const char* kVersionAttribute = "DTD_version";
inline constexpr const char* kTitle = "標題情報";
inline constexpr const char* kName = "ボーリング名";
inline constexpr const char* kBasics = "ボーリング基本情報";
inline constexpr const char* kGroundLevel = "孔口標高";
inline constexpr const char* kCore = "コア情報";
inline constexpr const char* kTest = "標準貫入試験";
inline constexpr const char* kTestDepth = "標準貫入試験_開始深度";
inline constexpr const char* kTestBlows = "標準貫入試験_合計打撃回数";
inline constexpr const char* kTestPenetration = "標準貫入試験_合計貫入量";
}  // namespace boring_element

}  // namespace nubera
