#include "text/message_lines.h"

#include <gtest/gtest.h>

namespace nubera {
namespace {

// One unit a character, as a font of equal widths would draw them.
double Characters(std::string_view utf8) {
    double count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

TEST(BreakLongLines, KeepsTheProgramsOwnBreaksAndLinesThatFit) {
    const std::string em =
        "Em値(換算変形係数)の値が0になりました。\nEm値が0の場合は、計算できません。\n"
        "入力した内容をご確認ください。";
    EXPECT_EQ(BreakLongLines(em, 40, Characters), em);
    EXPECT_EQ(BreakLongLines("", 5, Characters), "");
    EXPECT_EQ(BreakLongLines("a\n\nb", 5, Characters), "a\n\nb");
}

// Wider than the screen: after the last 、 or 。 that keeps the line within
// it, else the first; a line without one stays whole, never cut in a word.
TEST(BreakLongLines, BreaksALineWiderThanTheScreenOnlyAfterPunctuation) {
    EXPECT_EQ(BreakLongLines("あいう、えお。かきくけこ", 8, Characters),
              "あいう、えお。\nかきくけこ");
    EXPECT_EQ(BreakLongLines("あいう、えお、かき。くけこさし", 5, Characters),
              "あいう、\nえお、\nかき。\nくけこさし");
    EXPECT_EQ(BreakLongLines("あいうえおかき、くけ", 4, Characters), "あいうえおかき、\nくけ");
    EXPECT_EQ(BreakLongLines("あいうえおかきくけ。", 4, Characters), "あいうえおかきくけ。");
    EXPECT_EQ(BreakLongLines("一行目\nあいう、えおか", 4, Characters), "一行目\nあいう、\nえおか");
}

}  // namespace
}  // namespace nubera
