#include "screenrules/poisson_ratio.h"

#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera {

PoissonCheck CheckPoissonText(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        return {true, 0.3, std::string(text), {}};
    }
    std::optional<double> value = ParseNumericText(text);
    if (!value) return {false, 0, {}, kInvalidValueMessage};
    if (*value < 0.01 || *value > 1.00) return {false, 0, {}, kPoissonRangeMessage};
    std::string rounded = FormatFixed2(RoundHalf(*value));
    return {true, *ParseNumericText(rounded), rounded, {}};
}

std::string PoissonRatioWarning(bool alsoLateral, double ratio) {
    if (!alsoLateral || ratio <= kPoissonSignLimit) return {};
    return "ﾎﾟｱｿﾝ比(" + FormatNumber(ratio) +
           ")が0.5を超えています。側方変位量の向きがすべて逆になります(0.5では0になります)。";
}

}  // namespace nubera
