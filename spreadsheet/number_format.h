#pragma once

// GridCell values shown through their number format codes, as a spreadsheet
// program shows them in a cell: "General", digit placeholders (0 # ?) with
// decimals, grouping and percent, the exponent form (0.00E+00), literal texts
// ("…", \c), up to four sections (positive;negative;zero;text) and the eight
// named colours ([Red]). Dates and times are beyond the report and show as
// General; conditions ([>=100]) are ignored.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nubera::sheet {

struct FormattedValue {
    std::string text;
    std::optional<std::uint32_t> color;  // 0xRRGGBB of a [Colour] section
};

FormattedValue FormatNumberValue(double value, std::string_view formatCode);
FormattedValue FormatTextValue(std::string_view text, std::string_view formatCode);

// General: at most ten significant digits, plain decimals for magnitudes from
// 1E-9 to below 1E+11, the exponent form beyond.
std::string GeneralNumberText(double value);

}  // namespace nubera::sheet
