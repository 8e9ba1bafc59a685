#include "screenrules/poisson_ratio.h"

#include <gtest/gtest.h>

#include <utility>

namespace nubera {
namespace {

TEST(CheckPoissonText, BlankTextMeansPointThreeAndKeepsTheBox) {
    for (const char* text : {"", "   "}) {
        PoissonCheck check = CheckPoissonText(text);
        EXPECT_TRUE(check.ok);
        EXPECT_EQ(check.ratio, 0.3);
        EXPECT_EQ(check.roundedText, text);
    }
}

TEST(CheckPoissonText, AcceptedValuesAreRoundedToTwoDecimals) {
    struct {
        const char* text;
        double ratio;
        const char* rounded;
    } cases[] = {
        {"1", 1.0, "1.00"},       {"0.125", 0.13, "0.13"}, {".3", 0.3, "0.30"},
        {"0.01", 0.01, "0.01"},   {"1.00", 1.0, "1.00"},   {" 0.345 ", 0.35, "0.35"},
        {"0.0149", 0.01, "0.01"},
    };
    for (const auto& c : cases) {
        PoissonCheck check = CheckPoissonText(c.text);
        EXPECT_TRUE(check.ok) << c.text;
        EXPECT_EQ(check.ratio, c.ratio) << c.text;
        EXPECT_EQ(check.roundedText, c.rounded) << c.text;
    }
}

TEST(CheckPoissonText, RefusesTextsThatAreNotNumbers) {
    for (const char* text : {".", "0.3.1", "abc", "1e-1", "--0.3"}) {
        PoissonCheck check = CheckPoissonText(text);
        EXPECT_FALSE(check.ok) << text;
        EXPECT_EQ(check.message, "入力された値が不正です。") << text;
    }
}

TEST(CheckPoissonText, RefusesValuesOutsideTheRangeBeforeRounding) {
    for (const char* text : {"0.005", "0", "1.004", "1.01", "-0.3"}) {
        PoissonCheck check = CheckPoissonText(text);
        EXPECT_FALSE(check.ok) << text;
        EXPECT_EQ(check.message, "ﾎﾟｱｿﾝ比は0.01～1.00の範囲で入力してください。") << text;
    }
}

// Only a lateral run with a ratio above 0.5 is warned about, naming the value.
TEST(PoissonRatioWarning, NamesARatioThatReversesTheDisplacements) {
    EXPECT_EQ(PoissonRatioWarning(true, 0.8),
              "ﾎﾟｱｿﾝ比(0.8)が0.5を超えています。"
              "側方変位量の向きがすべて逆になります(0.5では0になります)。");
    EXPECT_FALSE(PoissonRatioWarning(true, 0.51).empty());
    for (const auto& [lateral, ratio] : {std::pair{true, 0.5}, {true, 0.3}, {false, 0.8}}) {
        EXPECT_EQ(PoissonRatioWarning(lateral, ratio), "") << lateral << " " << ratio;
    }
}

}  // namespace
}  // namespace nubera
