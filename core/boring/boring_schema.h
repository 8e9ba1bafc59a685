#pragma once

#include <optional>
#include <span>
#include <string>
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

// The versions the program knows, oldest first.
std::span<const BoringSchema> KnownBoringSchemas();

// How a file's DTD_version is read: by its own schema when the program knows
// it; by the newest known one when it is newer than that, with a warning.
struct BoringSchemaChoice {
    BoringSchema schema;
    bool newerThanKnown = false;
};

// Nothing for a version that is neither known nor newer (older, between known
// versions, or not a number).
std::optional<BoringSchemaChoice> BoringSchemaOf(std::string_view dtdVersion);

// "2.10、3.00、4.00、5.00", for messages.
std::string KnownBoringVersionsText();

// The first known version whose division vocabulary is not `schema`'s and
// names `element` (the division itself or one of its items, "岩石土区分_…");
// nothing when no other version's vocabulary names it.
std::optional<std::string_view> OtherVersionNaming(const BoringSchema& schema,
                                                   std::string_view element);

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
