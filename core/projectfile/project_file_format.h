#pragma once

#include <cstddef>
#include <string_view>

namespace nubera::project_file {

// The first line of every project file: the format's identifier, which
// stays as it is while the format does, whatever the program's version.
inline constexpr std::string_view kHeader = "[ヌベラ100]";

// The section lines of a project file, in the order the writer puts them.
// Each section ends with kEnd; the header line (ProjectHeaderLine) has none.
inline constexpr std::string_view kExcavationWidth = "[開削幅]";
inline constexpr std::string_view kLeveeWidth = "[堤体幅]";
inline constexpr std::string_view kSoilLayers = "[土質条件]";
inline constexpr std::string_view kFillLoads = "[盛土荷重]";
inline constexpr std::string_view kSurcharge = "[上載荷重]";
inline constexpr std::string_view kFocusPoints = "[着目点手動設定]";
inline constexpr std::string_view kMode = "[処理Mode]";
inline constexpr std::string_view kPoissonRatio = "[ﾎﾟｱｿﾝ比]";
inline constexpr std::string_view kEnd = "!END";

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr char kSeparator = ',';
// How an empty point slot is written.
inline constexpr std::string_view kMissingPoint = "NULL";
inline constexpr std::string_view kModeSettlementOnly = "0";
inline constexpr std::string_view kModeAlsoLateral = "1";

// No line the program writes comes near this; a longer one means the file is
// not a project file, and refusing it bounds what a single line can cost.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;
// A project the screens write holds at most 20 layers and 5 blocks and comes
// to a few kilobytes; these bounds keep whatever a file holds cheap to refuse.
inline constexpr std::size_t kMaxFileBytes = 8 * 1024 * 1024;
inline constexpr std::size_t kMaxTableRows = 1000;
// The descriptive lines before the first section: a few dozen at most.
inline constexpr std::size_t kMaxPreambleLines = 1000;

}  // namespace nubera::project_file
