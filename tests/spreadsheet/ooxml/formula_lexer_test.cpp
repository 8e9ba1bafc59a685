#include "spreadsheet/ooxml/formulas/formula_lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nubera::sheet {
namespace {

// Each token as kind:text, references with the sheet read from the prefix
// and the area printed again ("Ref[Sheet]$A$1:B2"), or "Ref[]#REF!".
std::string Describe(const Token& token) {
    static constexpr const char* kNames[] = {"Num", "Text", "Err",   "Ref", "Fn",    "Name",
                                             "Op",  "Open", "Close", "Sep", "Space", "Other"};
    std::string text = kNames[static_cast<int>(token.kind)];
    if (token.kind == TokenKind::Reference) {
        text += "[" + token.sheet + "]" + (token.area ? FormatArea(*token.area) : "#REF!");
    } else {
        text += ":" + std::string(token.text);
    }
    return text;
}

std::vector<std::string> Described(std::string_view formula) {
    std::vector<std::string> described;
    std::string joined;
    for (const Token& token : Tokenize(formula)) {
        described.push_back(Describe(token));
        joined += token.text;
    }
    EXPECT_EQ(joined, formula) << "the tokens cover the formula";
    return described;
}

using Tokens = std::vector<std::string>;

TEST(FormulaLexer, SplitsWhatAReportTemplateWrites) {
    const std::pair<const char*, Tokens> cases[] = {
        {"SUM(D4:I4)*2", {"Fn:SUM", "Open:(", "Ref[]D4:I4", "Close:)", "Op:*", "Num:2"}},
        {"$A$1+A$1-$A1", {"Ref[]$A$1", "Op:+", "Ref[]A$1", "Op:-", "Ref[]$A1"}},
        {"SUM(D:D,2:3)", {"Fn:SUM", "Open:(", "Ref[]D:D", "Sep:,", "Ref[]2:3", "Close:)"}},
        {"1.5E+3>=.5e2", {"Num:1.5E+3", "Op:>=", "Num:.5e2"}},
        {"10%<>A1", {"Num:10", "Op:%", "Op:<>", "Ref[]A1"}},
        {"\"A1 \"\"x\"\"\"&B2", {"Text:\"A1 \"\"x\"\"\"", "Op:&", "Ref[]B2"}},
        {"#DIV/0!+#N/A", {"Err:#DIV/0!", "Op:+", "Err:#N/A"}},
        {"IF( TRUE , 1)",
         {"Fn:IF", "Open:(", "Space: ", "Name:TRUE", "Space: ", "Sep:,", "Space: ", "Num:1",
          "Close:)"}},
    };
    for (const auto& [formula, tokens] : cases) EXPECT_EQ(Described(formula), tokens) << formula;
}

// A reference names its sheet with or without quotes; a doubled quote in a
// quoted name stands for one.
TEST(FormulaLexer, SheetPrefixesAreReadIntoTheSheetsName) {
    const std::pair<const char*, Tokens> cases[] = {
        {"Calc!A1", {"Ref[Calc]A1"}},        {"'My sheet'!$B$2:C3", {"Ref[My sheet]$B$2:C3"}},
        {"'It''s'!A1", {"Ref[It's]A1"}},     {"'計算'!A:B", {"Ref[計算]A:B"}},
        {"計算!1:3", {"Ref[計算]1:3"}},      {"Gone!#REF!+1", {"Ref[Gone]#REF!", "Op:+", "Num:1"}},
        {"Calc!Total", {"Name:Calc!Total"}},  // a name scoped to a sheet, no reference
    };
    for (const auto& [formula, tokens] : cases) EXPECT_EQ(Described(formula), tokens) << formula;
    const std::vector<Token> tokens = Tokenize("'My sheet'!B2");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].sheetPrefix, "'My sheet'!");
}

// What only looks like a reference stays what it is, so that moving a
// formula never rewrites a function, a name or a cell beyond the grid.
TEST(FormulaLexer, OnlyRealReferencesAreReferences) {
    const std::pair<const char*, Tokens> cases[] = {
        {"LOG10(4)", {"Fn:LOG10", "Open:(", "Num:4", "Close:)"}},
        {"A1B", {"Name:A1B"}},
        {"XFD1+XFE1", {"Ref[]XFD1", "Op:+", "Name:XFE1"}},
        {"A1048576+A1048577", {"Ref[]A1048576", "Op:+", "Name:A1048577"}},
        {"A0", {"Name:A0"}},
        {"a1", {"Name:a1"}},
        {"R1C1", {"Name:R1C1"}},
        {"_xlfn.X(1)", {"Fn:_xlfn.X", "Open:(", "Num:1", "Close:)"}},
        {"{1,2}", {"Other:{", "Num:1", "Sep:,", "Num:2", "Other:}"}},
        {"[1]Sheet1!A1", {"Other:[", "Num:1", "Other:]", "Ref[Sheet1]A1"}},
        {"#BAD", {"Other:#", "Name:BAD"}},
        {"'open", {"Other:'open"}},
        {"\"open", {"Text:\"open"}},
    };
    for (const auto& [formula, tokens] : cases) EXPECT_EQ(Described(formula), tokens) << formula;
}

TEST(FormulaLexer, AreasKeepWhichPartsAreAbsolute) {
    const std::vector<Token> tokens = Tokenize("$B3:C$4");
    ASSERT_EQ(tokens.size(), 1u);
    ASSERT_TRUE(tokens[0].area);
    const Area expected{AreaShape::Range, {3, 2, false, true}, {4, 3, true, false}};
    EXPECT_EQ(*tokens[0].area, expected);
    EXPECT_EQ(FormatArea(expected), "$B3:C$4");
    EXPECT_EQ(FormatArea({AreaShape::Columns, {0, 4, false, true}, {0, 8, false, false}}), "$D:H");
    EXPECT_EQ(FormatArea({AreaShape::Rows, {1, 0, true, false}, {3, 0, false, false}}), "$1:3");
}

}  // namespace
}  // namespace nubera::sheet
