#include "screenrules/focus_point_rules.h"

#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsBlank(const std::string& text) {
    return Trimmed(text).empty();
}

std::string FullWidth(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            // U+FF10 .. U+FF19 in UTF-8: EF BC 90 .. EF BC 99.
            result += "\xEF\xBC";
            result += static_cast<char>(0x90 + (c - '0'));
        } else if (c == '.') {
            result += "．";
        } else if (c == '-') {
            result += "－";
        } else {
            result += c;
        }
    }
    return result;
}

// A bound as the range text shows it. The centre of a block can lie on a
// third decimal (x.xx5); the check then uses the bound the user reads, so that
// a value the range message names as its end is not refused.
double ShownBound(double bound) {
    return ReadNumberPrefix(FormatFixed2(bound));
}

PointCheck Failure(PointCheck check, std::size_t box, std::string message) {
    check.box = box;
    check.message = std::move(message);
    return check;
}

}  // namespace

PointRange PointRangeOf(const FillLoadTable& fillLoads) {
    const double centre = fillLoads.Number(fill_column::kCentreDistance, 0);
    const std::size_t bottom = fillLoads.RowCount() - 1;
    const double rightToe = fillLoads.Number(fill_column::kToeDistance, bottom) +
                            fillLoads.Number(fill_column::kLeftSlope, bottom) +
                            fillLoads.Number(fill_column::kCrest, bottom) +
                            fillLoads.Number(fill_column::kRightSlope, bottom);
    return {-centre, rightToe - centre};
}

std::string PointRangeText(const PointRange& range) {
    return FullWidth(FormatFixed2(range.minimum)) + "(m)　～　" +
           FullWidth(FormatFixed2(range.maximum)) + "(m)";
}

PointCheck CheckFocusPoints(const PointTexts& texts, const PointRange& range) {
    PointCheck check;
    check.texts = texts;
    const double minimum = ShownBound(range.minimum);
    const double maximum = ShownBound(range.maximum);
    std::array<double, kPointCount> values{};
    for (std::size_t i = 0; i < kPointCount; ++i) {
        if (IsBlank(texts[i])) continue;
        check.entered = true;
        const auto value = ParseNumericText(texts[i]);
        if (!value) return Failure(check, i, kInvalidValueMessage);
        values[i] = RoundHalf(*value);
        check.texts[i] = FormatFixed2(values[i]);
        if (values[i] < minimum || values[i] > maximum) {
            return Failure(check, i, PointRangeText(range) + "\nの範囲内で入力してください。");
        }
    }
    if (!check.entered) return check;
    for (std::size_t d = kPointCount; d-- > 0;) {
        const bool blank = IsBlank(check.texts[d]);
        if (d > 0 && d < kPointCount - 1 && blank && !IsBlank(check.texts[d + 1])) {
            return Failure(check, d, "入力してください。");
        }
        if (d > 0 && !blank && !IsBlank(check.texts[d - 1]) && values[d - 1] > values[d]) {
            return Failure(check, d,
                           PointName(d - 1) + " ≦ " + PointName(d) + " で入力してください。");
        }
        if (d == 0 && blank) return Failure(check, 0, "入力してください。");
    }
    return check;
}

FocusPointList BuildFocusPointList(const PointTexts& texts) {
    FocusPointList points;
    for (std::size_t i = 0; i < kPointCount; ++i) {
        const std::string text = Trimmed(texts[i]);
        points[i] = text.empty() ? Cell::Missing() : Cell::Text(text);
    }
    return points;
}

}  // namespace nubera
