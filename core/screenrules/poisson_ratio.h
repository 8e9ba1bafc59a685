#pragma once

#include <string>
#include <string_view>

#include "text/number_text.h"

namespace nubera {

inline constexpr const char* kPoissonRangeMessage = "ﾎﾟｱｿﾝ比は0.01～1.00の範囲で入力してください。";

// The verdict on the text of the Poisson's-ratio box.
struct PoissonCheck {
    bool ok = false;
    double ratio = 0;         // the ratio to store when ok
    std::string roundedText;  // the text the box holds afterwards when ok
    std::string message;      // what to show when not ok
};

// Checks the Poisson's-ratio text before a run or a save: an empty or blank
// text means 0.3 (the box stays as it is); otherwise the text must be numeric
// and its value within 0.01 to 1.00 inclusive, and it is rewritten rounded to
// two decimals ("0.00"), the ratio being the value of the rewritten text.
PoissonCheck CheckPoissonText(std::string_view text);

// Above this ratio every lateral displacement changes its sign (at it, they
// are all 0). Files and the box accept up to 1.00, so such a ratio is run,
// but never silently.
inline constexpr double kPoissonSignLimit = 0.5;

// What the person is told before a lateral run with a ratio above
// kPoissonSignLimit, naming the value and its effect; empty otherwise (also
// in settlement-only mode, where the ratio is not used).
std::string PoissonRatioWarning(bool alsoLateral, double ratio);

}  // namespace nubera
