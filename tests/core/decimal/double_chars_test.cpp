// The number text over {fmt} and fast_float, which the browser's module uses,
// held to the C++ library's own to_chars and from_chars: a digit that differs
// would change a result the report shows or a workbook stores.

#include "decimal/double_chars.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace nubera {
namespace {

struct Form {
    std::chars_format format;
    int precision;  // < 0: the shortest text
};

std::string Library(double value, Form form) {
    char text[400];
    const auto result = form.precision < 0 ? std::to_chars(text, text + sizeof text, value)
                                           : std::to_chars(text, text + sizeof text, value,
                                                           form.format, form.precision);
    return std::string(text, result.ptr);
}

std::string Portable(double value, Form form) {
    char text[400];
    const auto result =
        form.precision < 0
            ? portable::DoubleToChars(text, text + sizeof text, value)
            : portable::DoubleToChars(text, text + sizeof text, value, form.format, form.precision);
    EXPECT_EQ(result.ec, std::errc());
    return std::string(text, result.ptr);
}

// Values of every magnitude and of the program's own kind: random bit
// patterns, short decimals as typed (0.35, 6860, -12.6), values exactly
// halfway at two decimals (2.675, 0.125), and the edges of the type.
std::vector<double> Samples() {
    std::mt19937_64 random(20260101);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  0.1,
                                  0.3,
                                  1e-5,
                                  1e15,
                                  123456789012345680000.0,
                                  0.00012,
                                  5e-324,
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::lowest(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity()};
    for (int i = 0; i < 20000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isnan(value)) values.push_back(value);
    }
    std::uniform_int_distribution<long long> digits(-99999999, 99999999);
    std::uniform_int_distribution<int> scale(0, 8);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(static_cast<double>(digits(random)) / std::pow(10.0, scale(random)));
        values.push_back((static_cast<double>(digits(random)) * 1000 + 5) / 1000.0);
    }
    return values;
}

TEST(PortableDoubleChars, WritesWhatTheLibraryWrites) {
    const Form forms[] = {
        {std::chars_format::general, -1},   {std::chars_format::general, 15},
        {std::chars_format::general, 17},   {std::chars_format::general, 1},
        {std::chars_format::fixed, 2},      {std::chars_format::fixed, 0},
        {std::chars_format::fixed, 1},      {std::chars_format::scientific, 14},
        {std::chars_format::scientific, 0}, {std::chars_format::scientific, 16},
    };
    int differences = 0;
    for (const double value : Samples()) {
        for (const Form& form : forms) {
            const std::string expected = Library(value, form);
            const std::string written = Portable(value, form);
            if (written != expected && ++differences <= 10) {
                ADD_FAILURE() << std::hexfloat << value << " precision " << form.precision << ": "
                              << written << " instead of " << expected;
            }
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(PortableDoubleChars, WritesNanAsTheLibraryDoes) {
    for (const double nan :
         {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(Portable(nan, {std::chars_format::general, -1}),
                  Library(nan, {std::chars_format::general, -1}));
        EXPECT_EQ(Portable(nan, {std::chars_format::fixed, 2}),
                  Library(nan, {std::chars_format::fixed, 2}));
    }
}

TEST(PortableDoubleChars, RefusesABufferTooSmallAsTheLibraryDoes) {
    char text[4];
    EXPECT_EQ(portable::DoubleToChars(text, text + sizeof text, 12345.5).ec,
              std::errc::value_too_large);
    EXPECT_EQ(
        portable::DoubleToChars(text, text + sizeof text, 12345.5, std::chars_format::fixed, 2).ec,
        std::errc::value_too_large);
}

TEST(PortableDoubleChars, ReadsWhatTheLibraryReads) {
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "1",
                                      "0.1",
                                      "2.675",
                                      "1e5",
                                      "1E5",
                                      "1e+5",
                                      "1e-5",
                                      ".5",
                                      "5.",
                                      "-.5",
                                      "1e999",
                                      "-1e999",
                                      "1e-999",
                                      "-1e-999",
                                      "0e999",
                                      "0.0e-999",
                                      "4.9e-324",
                                      "2e-324",
                                      "3e-324",
                                      "2.2250738585072011e-308",
                                      "1.7976931348623158e308",
                                      "1.8e308",
                                      "inf",
                                      "-inf",
                                      "INF",
                                      "infinity",
                                      "nan",
                                      "NaN",
                                      "nan(1)",
                                      "+1",
                                      " 1",
                                      "",
                                      "-",
                                      ".",
                                      "e5",
                                      "1e",
                                      "1e+",
                                      "1x",
                                      "0x1p3",
                                      "12,5",
                                      "1..2",
                                      "00012.500"};
    for (const double value : Samples())
        texts.push_back(Library(value, {std::chars_format::general, -1}));
    for (const std::string& text : texts) {
        double expected = 42;
        double read = 42;
        const char* first = text.data();
        const char* last = first + text.size();
        const auto library = std::from_chars(first, last, expected);
        const auto portable = portable::DoubleFromChars(first, last, read);
        EXPECT_EQ(portable.ec, library.ec) << '"' << text << '"';
        EXPECT_EQ(portable.ptr - first, library.ptr - first) << '"' << text << '"';
        if (!std::isnan(expected)) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(expected))
                << '"' << text << '"';
        } else {
            EXPECT_TRUE(std::isnan(read)) << '"' << text << '"';
        }
    }
}

}  // namespace
}  // namespace nubera
