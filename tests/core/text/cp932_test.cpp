#include "text/cp932.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <string>

#include "text/utf8_text.h"

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

// What the C library's iconv makes of the whole input; nothing where it
// refuses any of it.
class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        EXPECT_NE(cd_, reinterpret_cast<iconv_t>(-1)) << from << " to " << to;
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    std::optional<std::string> operator()(std::string_view input) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 4 + 4, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        if (iconv(cd_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            return std::nullopt;
        }
        output.resize(output.size() - outLeft);
        return output;
    }

  private:
    iconv_t cd_;
};

// The tables the conversions use were made from iconv at build time; here
// they are held to it on every one- and two-byte sequence.
TEST(Cp932, DecodesEveryOneAndTwoByteSequenceAsIconvDoes) {
    Iconv decode("UTF-8", "CP932");
    int differences = 0;
    for (int first = 0; first < 256; ++first) {
        const std::string one(1, static_cast<char>(first));
        differences += Cp932ToUtf8(one) != decode(one);
        for (int second = 0; second < 256; ++second) {
            const std::string two = one + static_cast<char>(second);
            if (Cp932ToUtf8(two) != decode(two) && ++differences <= 10) {
                ADD_FAILURE() << std::hex << first << " " << second;
            }
        }
    }
    EXPECT_EQ(differences, 0);
}

// ... and on every character, each written only where iconv writes bytes
// that read back as it.
TEST(Cp932, EncodesEveryCharacterAsIconvDoes) {
    Iconv encode("CP932", "UTF-8");
    Iconv decode("UTF-8", "CP932");
    int differences = 0;
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        std::string text;
        AppendUtf8(code, text);
        std::optional<std::string> expected = encode(text);
        if (expected && decode(*expected) != text) expected.reset();
        if (Utf8ToCp932(text) != expected && ++differences <= 10) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(code);
        }
    }
    EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace nubera
