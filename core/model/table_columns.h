#pragma once

// The columns of the project's tables and the items of a point's detail row.
// Every table is indexed (column, row) from 0; these names are the one place
// that says which column holds what.

#include <cstddef>

namespace nubera {

// Soil layers, top layer in row 0.
namespace soil_column {
inline constexpr std::size_t kThickness = 0;  // m
inline constexpr std::size_t kDepth = 1;      // depth of the layer's bottom, cumulative (m)
inline constexpr std::size_t kModulus = 2;    // deformation modulus Es (kN/m2)
inline constexpr std::size_t kCount = 3;
}  // namespace soil_column

// Fill-load blocks, top tier in row 0. Lengths in m.
namespace fill_column {
inline constexpr std::size_t kHeight = 0;           // h
inline constexpr std::size_t kExtraHeight = 1;      // hy
inline constexpr std::size_t kTotalHeight = 2;      // h + hy
inline constexpr std::size_t kUnitWeight = 3;       // kN/m3
inline constexpr std::size_t kLoad = 4;             // q (kN/m2)
inline constexpr std::size_t kToeDistance = 5;      // left toe from the reference point
inline constexpr std::size_t kLeftSlope = 6;        // A
inline constexpr std::size_t kCrest = 7;            // B
inline constexpr std::size_t kRightSlope = 8;       // C
inline constexpr std::size_t kLoadingWidth = 9;     // 2a
inline constexpr std::size_t kCentreDistance = 10;  // centre from the reference point
inline constexpr std::size_t kCentreOffset =
    11;  // centre from that of row 0 (the text "0" for one row)
inline constexpr std::size_t kCount = 12;
}  // namespace fill_column

// The surcharge, one row. Lengths in m.
namespace surcharge_column {
inline constexpr std::size_t kLoad = 0;          // qX (kN/m2)
inline constexpr std::size_t kLoadingWidth = 1;  // 2a
inline constexpr std::size_t kCentreOffset =
    2;  // from the centre of fill row 0 (the text "0" for one fill row)
inline constexpr std::size_t kCount = 3;
}  // namespace surcharge_column

// The items of one point's detail row for one load.
// The 13 items of a point's detail row. Items 0 to 4 and 12 mean the same
// for both quantities; items 5 to 11 belong to one quantity each, so they are
// named in settlement_item and lateral_item.
namespace point_item {
inline constexpr std::size_t kOffset = 0;        // x from the load's centre (m)
inline constexpr std::size_t kModulus = 1;       // Em (kN/m2)
inline constexpr std::size_t kHalfWidth = 2;     // a (m)
inline constexpr std::size_t kLoad = 3;          // q (kN/m2)
inline constexpr std::size_t kCentreOffset = 4;  // the load's centre from that of fill row 0 (m)
// The settlement or the displacement (cm), rounded to 2 decimals.
inline constexpr std::size_t kResult = 12;
inline constexpr std::size_t kCount = 13;
}  // namespace point_item

// Settlement rows: H, the ground's thickness (m), then C, G, u, log u, v, log |v|.
namespace settlement_item {
inline constexpr std::size_t kDepth = 5;
inline constexpr std::size_t kFactorC = 6;
inline constexpr std::size_t kFactorG = 7;
inline constexpr std::size_t kU = 8;
inline constexpr std::size_t kLogU = 9;
inline constexpr std::size_t kV = 10;
inline constexpr std::size_t kLogV = 11;
}  // namespace settlement_item

// Lateral displacement rows: c, half the excavation width (m), then K, T1, T2,
// T3; items 10 and 11 stay empty.
namespace lateral_item {
inline constexpr std::size_t kHalfExcavation = 5;
inline constexpr std::size_t kFactorK = 6;
inline constexpr std::size_t kTermT1 = 7;
inline constexpr std::size_t kTermT2 = 8;
inline constexpr std::size_t kTermT3 = 9;
}  // namespace lateral_item

}  // namespace nubera
