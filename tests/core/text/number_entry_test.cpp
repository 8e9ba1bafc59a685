#include "text/number_entry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace nubera {
namespace {

using ::testing::HasSubstr;

struct Taken {
    const char* text;
    EntrySign sign;
    const char* becomes;
};

// What a Japanese input method types comes in as the ASCII it stands for.
TEST(CheckEntryInsertion, TakesDigitsPointsAndSignsFullWidthOrNot) {
    const Taken cases[] = {
        {"2800.5", EntrySign::Unsigned, "2800.5"},  // the Es box too takes decimals
        {"１２", EntrySign::Unsigned, "12"},       {"１２．５０", EntrySign::Unsigned, "12.50"},
        {"12３", EntrySign::Unsigned, "123"},      {"＋５", EntrySign::Unsigned, "+5"},
        {"－３", EntrySign::Signed, "-3"},         {"\u22122.5", EntrySign::Signed, "-2.5"},
        {"-0.5", EntrySign::Signed, "-0.5"},
    };
    for (const Taken& c : cases) {
        const EntryInsertion verdict = CheckEntryInsertion(c.text, c.sign);
        EXPECT_TRUE(verdict.accepted) << c.text;
        EXPECT_EQ(verdict.text, c.becomes) << c.text;
    }
}

struct Refusal {
    const char* text;
    EntrySign sign;
    const char* reason;
};

// One refused character refuses the whole text, saying why and what the box
// takes; nothing of it goes in.
TEST(CheckEntryInsertion, RefusesTheWholeTextForOneCharacterItDoesNotTake) {
    const Refusal cases[] = {
        {"-2", EntrySign::Unsigned, "マイナスの値は入力できません"},
        {"－３０００", EntrySign::Unsigned, "マイナスの値は入力できません"},
        {"1,000", EntrySign::Signed, "桁区切りのカンマ(,)は入力できません"},
        {"１，０００", EntrySign::Unsigned, "桁区切りのカンマ(,)は入力できません"},
        {"abc12.3xyz", EntrySign::Unsigned, "数字以外の文字は入力できません"},
        {"1e5", EntrySign::Signed, "数字以外の文字は入力できません"},
        {"1 2", EntrySign::Unsigned, "数字以外の文字は入力できません"},
        {"１２円", EntrySign::Unsigned, "数字以外の文字は入力できません"},
        {"\xff", EntrySign::Unsigned, "数字以外の文字は入力できません"},
    };
    for (const Refusal& c : cases) {
        const EntryInsertion verdict = CheckEntryInsertion(c.text, c.sign);
        EXPECT_FALSE(verdict.accepted) << c.text;
        EXPECT_EQ(verdict.text, "") << c.text;
        EXPECT_THAT(verdict.refusal, HasSubstr(c.reason)) << c.text;
        EXPECT_THAT(verdict.refusal, HasSubstr(EntryTakes(c.sign))) << c.text;
    }
    EXPECT_THAT(EntryTakes(EntrySign::Signed), HasSubstr("マイナス(-)"));
    EXPECT_THAT(EntryTakes(EntrySign::Unsigned), ::testing::Not(HasSubstr("マイナス")));
}

}  // namespace
}  // namespace nubera
