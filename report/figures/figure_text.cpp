#include "report/figures/figure_text.h"

#include <algorithm>
#include <cmath>

namespace nubera::report {
namespace {

constexpr const char* kFontName = "ＭＳ Ｐゴシック";

}  // namespace

double TextWidth(std::string_view utf8, double size) {
    double width = 0;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            width += 0.55 * size;
        } else if ((byte & 0xC0) != 0x80) {
            width += size;
        }
    }
    return width;
}

double NiceStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw * (1 - 1e-9)) return factor * power;
    }
    return 10 * power;
}

sheet::TextBox FigureText(std::string name, std::string text, double left, double top, double width,
                          double size, sheet::TextAlignment alignment, bool bold) {
    return {std::move(name),
            std::move(text),
            std::max(left, 0.0),
            top,
            width,
            kFigureTextHeight,
            kFontName,
            size,
            bold,
            alignment};
}

}  // namespace nubera::report
