#include "spreadsheet/number_format.h"

#include <gtest/gtest.h>

#include "tests/case_name.h"

namespace nubera::sheet {
namespace {

struct NumberCase {
    const char* name;
    double value;
    const char* code;
    const char* shown;
};

class NumberFormatTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberFormatTest, ShowsTheValueAsASpreadsheetDoes) {
    EXPECT_EQ(FormatNumberValue(GetParam().value, GetParam().code).text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, NumberFormatTest,
    ::testing::Values(NumberCase{"TwoDecimals", 4.7366, "0.00", "4.74"},
                      // Halves round away from zero on the typed decimal, not on the binary double.
                      NumberCase{"HalfOnTheDecimalText", 2.675, "0.00", "2.68"},
                      NumberCase{"NegativeHalf", -0.125, "0.00", "-0.13"},
                      NumberCase{"NegativeRoundingToZeroLosesItsSign", -0.001, "0.00", "0.00"},
                      NumberCase{"CarryIntoANewDigit", 9.995, "0.00", "10.00"},
                      NumberCase{"WholeNumber", 7304.46, "0", "7304"},
                      NumberCase{"OneDecimal", 0.05, "0.0", "0.1"},
                      NumberCase{"OptionalDigits", 1.5, "#.##", "1.5"},
                      NumberCase{"NoLeadingZero", 0.5, "#.00", ".50"},
                      NumberCase{"Grouping", 1234567.891, "#,##0.00", "1,234,567.89"},
                      NumberCase{"ThousandsScale", 1234567, "0.0,", "1234.6"},
                      NumberCase{"Percent", 0.1234, "0.0%", "12.3%"},
                      NumberCase{"Exponent", 12345.678, "0.00E+00", "1.23E+04"},
                      NumberCase{"SmallExponent", 0.000123, "0.0E+00", "1.2E-04"},
                      NumberCase{"QuotedUnit", 21, "0.00\" m\"", "21.00 m"},
                      NumberCase{"EscapedCharacter", 3, "0\\h", "3h"},
                      NumberCase{"NegativeSectionHasNoSign", -3.5, "0.0;(0.0)", "(3.5)"},
                      NumberCase{"ZeroSection", 0, "0.0;-0.0;\"-\"", "-"},
                      NumberCase{"GeneralKeywordInASection", 1.25, "General\"cm\"", "1.25cm"},
                      NumberCase{"GeneralCode", 7304.46, "General", "7304.46"},
                      NumberCase{"GeneralKeepsTenDigits", 1.0 / 3, "General", "0.333333333"},
                      NumberCase{"GeneralLargeIntegers", 12345678901, "General", "12345678901"},
                      NumberCase{"GeneralExponentBeyond", 123456789012, "General", "1.23457E+11"},
                      NumberCase{"GeneralTinyValues", 0.00000000012, "General", "1.2E-10"},
                      NumberCase{"GeneralNegative", -0.3, "General", "-0.3"},
                      NumberCase{"EmptyCodeIsGeneral", 0.1 + 0.2, "", "0.3"},
                      NumberCase{"DatesShowAsGeneral", 45000.5, "yyyy/mm/dd", "45000.5"}),
    test::CaseName());

TEST(NumberFormat, ANamedColourComesWithTheText) {
    const FormattedValue shown = FormatNumberValue(-1, "0;[Red]-0");
    EXPECT_EQ(shown.text, "-1");
    EXPECT_EQ(shown.color, 0xFF0000u);
    EXPECT_EQ(FormatNumberValue(1, "0;[Red]-0").color, std::nullopt);
}

TEST(NumberFormat, NeverShowsNanOrInfinity) {
    EXPECT_EQ(FormatNumberValue(std::numeric_limits<double>::quiet_NaN(), "0.00").text, "#NUM!");
    EXPECT_EQ(GeneralNumberText(std::numeric_limits<double>::infinity()), "#NUM!");
}

TEST(NumberFormat, TextsShowThroughTheTextSection) {
    EXPECT_EQ(FormatTextValue("H = 21m", "General").text, "H = 21m");
    EXPECT_EQ(FormatTextValue("H = 21m", "0.00").text, "H = 21m");
    EXPECT_EQ(FormatTextValue("abc", "\"[\"@\"]\"").text, "[abc]");
    EXPECT_EQ(FormatTextValue("abc", "0;-0;0;\"text: \"@").text, "text: abc");
}

}  // namespace
}  // namespace nubera::sheet
