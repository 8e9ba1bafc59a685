#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace nubera {
namespace {

TEST(FormatNumber, WritesShortestDecimalWithUpToFifteenDigits) {
    struct {
        double value;
        const char* text;
    } cases[] = {
        {12.5, "12.5"},
        {0.3, "0.3"},
        {6860, "6860"},
        {-3.25, "-3.25"},
        {0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-0.000012, "-1.2E-05"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},
        {1.5e15, "1.5E+15"},
        {1e100, "1E+100"},
        {9999999999999999.0, "1E+16"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value), c.text) << c.text;
}

TEST(FormatFixed2, ShowsTwoDecimalsRoundingHalvesAwayFromZero) {
    struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0.00"},       {5, "5.00"},      {0.5, "0.50"},
        {2.35, "2.35"},    {-2.35, "-2.35"}, {0.125, "0.13"},
        {-0.125, "-0.13"}, {-0.001, "0.00"}, {1234567.8, "1234567.80"},
        {100, "100.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFixed2(c.value), c.text) << c.text;
}

TEST(ReadNumberPrefix, ReadsTheLongestLeadingNumber) {
    struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},       {"0", 0},       {"12.5", 12.5}, {"-3.25", -3.25}, {"+4", 4},
        {".5", 0.5},   {"5.", 5},      {"1e3", 1000},  {"1E-2", 0.01},   {"1e", 1},
        {"1e+", 1},    {"2.5x7", 2.5}, {"abc", 0},     {"-", 0},         {".", 0},
        {" 1 2 ", 12}, {" - 3", -3},   {"1.2.3", 1.2}, {"NULL", 0},      {"7,8", 7},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadNumberPrefix(c.text), c.value) << c.text;
}

// Whole numbers by the same rule, with nothing left over after the prefix.
TEST(IsWholeNumber, NeedsTheWholeTextToBeTheNumber) {
    for (const char* text : {"0.3", " 12 ", "-1.5e2", ".5", "1 0"})
        EXPECT_TRUE(IsWholeNumber(text)) << text;
    for (const char* text : {"", "abc", "0.25x", "1e", "..5", "-"})
        EXPECT_FALSE(IsWholeNumber(text)) << text;
}

TEST(ReadNumberPrefix, OverflowReadsAsInfinityForCallersToRefuse) {
    EXPECT_EQ(ReadNumberPrefix("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumberPrefix("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumberPrefix("1e-999"), 0);
}

TEST(ParseNumericText, AcceptsSignDigitsAndOnePoint) {
    struct {
        const char* text;
        double value;
    } cases[] = {
        {"5", 5}, {".5", 0.5}, {"5.", 5}, {"-2.345", -2.345}, {"+1", 1}, {"  12.50\t", 12.5},
    };
    for (const auto& c : cases) {
        auto value = ParseNumericText(c.text);
        ASSERT_TRUE(value) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

TEST(ParseNumericText, RefusesEverythingElse) {
    for (const char* text :
         {"", " ", ".", "-", "1..2", "1.2.3", "--1", "1-", "- 1", "1e5", "1,5", "abc", "１２"}) {
        EXPECT_FALSE(ParseNumericText(text)) << text;
    }
    EXPECT_FALSE(ParseNumericText(std::string(400, '9')));
}

}  // namespace
}  // namespace nubera
