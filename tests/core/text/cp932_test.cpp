#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace nubera {
namespace {

// The characters on which code page 932 and plain Shift_JIS part ways, next
// to ordinary and half-width texts the program writes.
TEST(Cp932, RoundTripsTheProgramsCharactersWithTheirCodePageBytes) {
    struct {
        const char* text;
        const char* bytes;
    } cases[] = {
        {"～", "\x81\x60"},
        {"－", "\x81\x7C"},
        {"∥", "\x81\x61"},
        {"①⑪", "\x87\x40\x87\x4A"},
        {"ﾎﾟｱｿﾝ比", "\xCE\xDF\xB1\xBF\xDD\x94\xE4"},
        {"[ヌベラ100]",
         "[\x83\x6B\x83\x78\x83\x89"
         "100]"},
        {"-3.25,,NULL\r\n", "-3.25,,NULL\r\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToCp932(c.text), c.bytes) << c.text;
        EXPECT_EQ(Cp932ToUtf8(c.bytes), c.text) << c.text;
    }
}

TEST(Cp932, RefusesBytesThatAreNotCodePage932) {
    for (const char* bytes : {"\x80", "\xA0", "\xFD", "10\x82", "\x82\x20"}) {
        EXPECT_EQ(Cp932ToUtf8(bytes), std::nullopt) << bytes;
    }
}

// "¥" would be written as "\" and read back differently, so it is refused
// like a character the code page lacks entirely.
TEST(Cp932, RefusesTextThatWouldNotReadBackTheSame) {
    for (const char* text : {"𠮷", "¥", "\xFF", "abc\xE3\x81"}) {
        EXPECT_EQ(Utf8ToCp932(text), std::nullopt) << text;
    }
}

// Half-width kana take one byte in code page 932 and three in UTF-8, more
// than the converter's first guess at the output size.
TEST(Cp932, ConvertsTextsThatGrowThreefold) {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "ﾎ";
    const auto bytes = Utf8ToCp932(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, std::string(20000, '\xCE'));
    EXPECT_EQ(Cp932ToUtf8(*bytes), text);
}

}  // namespace
}  // namespace nubera
