#include "spreadsheet/ooxml/package/checks/style_references.h"

#include <gtest/gtest.h>

#include <string>

namespace nubera::sheet {
namespace {

// Two fonts, one fill, one border, one cell style format, two cell formats
// and the custom number format 164.
constexpr const char* kStyles =
    R"(<styleSheet><numFmts count="1"><numFmt numFmtId="164" formatCode="0.000"/></numFmts>)"
    R"(<fonts><font/><font/></fonts><fills><fill/></fills><borders><border/></borders>)"
    R"(<cellStyleXfs><xf numFmtId="0" fontId="1" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs><xf numFmtId="164" fontId="0" fillId="0" borderId="0" xfId="0"/>)"
    R"(<xf numFmtId="2" fontId="1" fillId="0" borderId="0" xfId="0"/></cellXfs>)"
    R"(<cellStyles><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles></styleSheet>)";

constexpr const char* kStrings = "<sst><si><t>a</t></si><si><t>b</t></si></sst>";

struct Documents {
    pugi::xml_document styles;
    pugi::xml_document strings;
    pugi::xml_document sheet;
};

// The fault of a package whose styles, strings and one sheet are as given;
// a null part is one the package does not have.
std::string FaultOf(const char* styles, const char* strings, const std::string& sheetData) {
    Documents documents;
    EXPECT_TRUE(!styles || documents.styles.load_string(styles));
    EXPECT_TRUE(!strings || documents.strings.load_string(strings));
    EXPECT_TRUE(documents.sheet.load_string(("<worksheet>" + sheetData + "</worksheet>").c_str()));
    const ParsedPart stylesPart{"xl/styles.xml", &documents.styles};
    const ParsedPart stringsPart{"xl/sharedStrings.xml", &documents.strings};
    return StyleReferenceFault(styles ? &stylesPart : nullptr, strings ? &stringsPart : nullptr,
                               {{"xl/worksheets/sheet1.xml", &documents.sheet}});
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

// Readers that look styles up by number refuse one past the end of its list.
TEST(StyleReferences, EveryNumberOfTheStylesPartNamesSomething) {
    const struct {
        const char* from;
        const char* to;
        const char* fault;
    } cases[] = {
        {R"(fontId="1" fillId="0" borderId="0" xfId)", R"(fontId="2" fillId="0" borderId="0" xfId)",
         "パーツ「xl/styles.xml」の要素「xf」の属性「fontId」の値 2 が指すものがありません"
         "（「fonts」にあるのは 2 個です）"},
        {R"(numFmtId="2" fontId="1" fillId="0")", R"(numFmtId="2" fontId="1" fillId="1")",
         "パーツ「xl/styles.xml」の要素「xf」の属性「fillId」の値 1 が指すものがありません"
         "（「fills」にあるのは 1 個です）"},
        {R"(fontId="1" fillId="0" borderId="0"/>)", R"(fontId="1" fillId="0" borderId="7"/>)",
         "パーツ「xl/styles.xml」の要素「xf」の属性「borderId」の値 7 が指すものがありません"
         "（「borders」にあるのは 1 個です）"},
        {R"(borderId="0" xfId="0"/></cellXfs>)", R"(borderId="0" xfId="1"/></cellXfs>)",
         "パーツ「xl/styles.xml」の要素「xf」の属性「xfId」の値 1 が指すものがありません"
         "（「cellStyleXfs」にあるのは 1 個です）"},
        {R"(numFmtId="164" fontId)", R"(numFmtId="165" fontId)",
         "パーツ「xl/styles.xml」の要素「xf」の属性「numFmtId」の値 165 の表示形式が「numFmts」"
         "にありません"},
        {R"(name="Normal" xfId="0")", R"(name="Normal" xfId="3")",
         "パーツ「xl/styles.xml」の要素「cellStyle」の属性「xfId」の値 3 が指すものがありません"
         "（「cellStyleXfs」にあるのは 1 個です）"},
        {R"(numFmtId="2" fontId)", R"(numFmtId="163" fontId)", ""},  // built into every reader
    };
    for (const auto& c : cases) {
        const std::string styles = Replaced(kStyles, c.from, c.to);
        EXPECT_EQ(FaultOf(styles.c_str(), kStrings, "<sheetData/>"), c.fault) << c.to;
    }
    EXPECT_EQ(FaultOf(kStyles, kStrings, "<sheetData/>"), "");
}

TEST(StyleReferences, EveryStyleAndSharedStringASheetNamesIsThere) {
    const std::pair<std::string, std::string> cases[] = {
        {R"(<sheetData><row r="1" s="1"><c r="A1" s="1" t="s"><v>1</v></c></row></sheetData>)", ""},
        {R"(<cols><col min="1" max="1" style="2"/></cols><sheetData/>)",
         "パーツ「xl/worksheets/sheet1.xml」の要素「col」の属性「style」の値 2 "
         "が指すものがありません"
         "（「cellXfs」にあるのは 2 個です）"},
        {R"(<sheetData><row r="1" s="2"/></sheetData>)",
         "パーツ「xl/worksheets/sheet1.xml」の要素「row」の属性「s」の値 2 が指すものがありません"
         "（「cellXfs」にあるのは 2 個です）"},
        {R"(<sheetData><row r="1"><c r="B1" s="5"><v>1</v></c></row></sheetData>)",
         "パーツ「xl/worksheets/sheet1.xml」の要素「c」の属性「s」の値 5 が指すものがありません"
         "（「cellXfs」にあるのは 2 個です）"},
        {R"(<sheetData><row r="1"><c r="C1" t="s"><v>2</v></c></row></sheetData>)",
         "パーツ「xl/worksheets/sheet1.xml」のセル「C1」の共有文字列の値 2 が指すものがありません"
         "（「sst」にあるのは 2 個です）"},
        {R"(<sheetData><row r="1"><c r="D1" t="s"><v>-1</v></c></row></sheetData>)",
         "パーツ「xl/worksheets/sheet1.xml」のセル「D1」の共有文字列の番号「-1」は"
         "0以上の整数ではありません"},
        {R"(<sheetData><row r="1"><c r="E1" t="str"><v>9</v></c></row></sheetData>)", ""},
    };
    for (const auto& [sheetData, fault] : cases) {
        EXPECT_EQ(FaultOf(kStyles, kStrings, sheetData), fault) << sheetData;
    }
}

// Without a styles part nothing is looked up by style; without a shared
// strings part every shared string a cell names is missing.
TEST(StyleReferences, APartThePackageLacksHasNothingToName) {
    const std::string styled =
        R"(<sheetData><row r="1" s="9"><c r="A1" s="9"><v>1</v></c></row></sheetData>)";
    EXPECT_EQ(FaultOf(nullptr, kStrings, styled), "");
    EXPECT_EQ(
        FaultOf(kStyles, nullptr,
                R"(<sheetData><row><c r="A1" t="s"><v>0</v></c></row></sheetData>)"),
        "パーツ「xl/worksheets/sheet1.xml」のセル「A1」の共有文字列の値 0 が指すものがありません"
        "（「sst」にあるのは 0 個です）");
}

}  // namespace
}  // namespace nubera::sheet
