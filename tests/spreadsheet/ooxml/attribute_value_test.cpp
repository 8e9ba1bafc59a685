// The values readers with typed fields take, at the edges where a reader
// that parses less strictly would let a bad one through or refuse a good one.

#include "spreadsheet/ooxml/package/checks/attribute_value.h"

#include <gtest/gtest.h>

namespace nubera::sheet {
namespace {

struct Case {
    ValueKind kind;
    const char* value;
    bool fits;
};

TEST(AttributeValue, EachKindTakesItsValuesUpToTheirLimits) {
    const Case cases[] = {
        {ValueKind::Boolean, "true", true},
        {ValueKind::Boolean, " 0 ", true},
        {ValueKind::Boolean, "yes", false},
        {ValueKind::Unsigned, "4294967295", true},
        {ValueKind::Unsigned, "4294967296", false},
        {ValueKind::Unsigned, "+7", true},
        {ValueKind::Unsigned, "-0", false},
        {ValueKind::Unsigned, "", false},
        {ValueKind::Integer, "-9223372036854775808", true},
        {ValueKind::Integer, "9223372036854775808", false},
        {ValueKind::Integer, "+-1", false},
        {ValueKind::Integer, "1.0", false},
        {ValueKind::Number, ".5", true},
        {ValueKind::Number, "5.", true},
        {ValueKind::Number, "-1.5E-3", true},
        {ValueKind::Number, "1e308", true},
        {ValueKind::Number, "1e309", false},
        {ValueKind::Number, "NaN", false},
        {ValueKind::Number, "INF", false},
        {ValueKind::Number, ".", false},
        {ValueKind::Number, "1e", false},
        {ValueKind::Number, "0x10", false},
        {ValueKind::ArgbColor, "FF00aa00", true},
        {ValueKind::ArgbColor, "00AA00", false},
        {ValueKind::RgbColor, "00AA00", true},
        {ValueKind::RgbColor, "00AA0G", false},
        {ValueKind::CellReference, "XFD1048576", true},
        {ValueKind::CellReference, "$B$3", true},
        {ValueKind::CellReference, "XFE1", false},
        {ValueKind::CellReference, "A1048577", false},
        {ValueKind::CellReference, "A0", false},
        {ValueKind::CellReference, "Ca5x", false},
        {ValueKind::RangeReference, "$A$1:B2", true},
        {ValueKind::RangeReference, "A1:", false},
        {ValueKind::RangeReferenceList, "A1 B2:C3", true},
        {ValueKind::RangeReferenceList, "A1  B2", false},
        {ValueKind::RangeReferenceList, "A1 ", true},  // outer whitespace collapses
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitsRule({"a", c.kind}, c.value), c.fits)
            << "kind " << static_cast<int>(c.kind) << " value \"" << c.value << '"';
    }
}

TEST(AttributeValue, AChoiceTakesOnlyItsNamesAndSaysWhichTheyAre) {
    constexpr std::string_view names[] = {"portrait", "landscape"};
    const AttributeRule rule{"orientation", ValueKind::Choice, names};
    EXPECT_TRUE(FitsRule(rule, "landscape"));
    EXPECT_FALSE(FitsRule(rule, "Landscape"));
    EXPECT_EQ(ExpectedValueText(rule), "portrait、landscapeのいずれか");
}

}  // namespace
}  // namespace nubera::sheet
