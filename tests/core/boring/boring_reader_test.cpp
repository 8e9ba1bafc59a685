#include "boring/boring_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/core/boring/boring_samples.h"
#include "text/cp932.h"

namespace nubera {
namespace {

using test::BoringSampleText;
using test::ParseSample;

// The reason a text (encoded as the format's Shift_JIS) is refused; empty
// when it is read.
std::string RefusalOf(const std::string& utf8Text) {
    const auto bytes = Utf8ToCp932(utf8Text);
    EXPECT_TRUE(bytes);
    std::string error;
    return ParseBoringLog(bytes.value_or(""), &error) ? std::string() : error;
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(BoringReader, ReadsTheThreeVersionsWithTheirOwnElementNamesAndUnits) {
    const BoringLog v3 = ParseSample("LEVEE_NO3_BED0300.XML");
    EXPECT_EQ(v3.dtdVersion, "3.00");
    EXPECT_EQ(v3.name, "No.3");
    EXPECT_EQ(v3.groundLevel, 5.32);
    EXPECT_EQ(v3.totalLength, 15.45);
    ASSERT_EQ(v3.divisions.size(), 8u);
    EXPECT_EQ(v3.divisions[0], (BoringDivision{1.20, "盛土（砂質土）", 34}));
    EXPECT_EQ(v3.divisions[7].name, "砂礫");
    ASSERT_EQ(v3.tests.size(), 15u);
    EXPECT_EQ(v3.tests[13], (PenetrationTest{14.15, 50, 25, 57}));

    // 2.10 names its divisions differently and has a ground level below the sea.
    const BoringLog v2 = ParseSample("SMALL_BED0210.XML");
    EXPECT_EQ(v2.name, "B-1");
    EXPECT_EQ(v2.groundLevel, -0.85);
    ASSERT_EQ(v2.divisions.size(), 3u);
    EXPECT_EQ(v2.divisions[1].name, "砂");
    EXPECT_EQ(v2.tests[2].penetrationCm, 20);

    // 4.00 records the penetration in millimetres and names the total length 総削孔長.
    const BoringLog v4 = ParseSample("SMALL_BED0400.XML");
    EXPECT_EQ(v4.totalLength, 6.0);
    EXPECT_EQ(v4.divisions[2].name, "礫");
    ASSERT_EQ(v4.tests.size(), 3u);
    EXPECT_EQ(v4.tests[0].penetrationCm, 30);
    EXPECT_EQ(v4.tests[2].penetrationCm, 20);
    EXPECT_EQ(v4.tests[2].blows, 50);
}

TEST(BoringReader, RefusesBadContentNamingTheElementAndItsLine) {
    const std::string text = BoringSampleText("LEVEE_NO3_BED0300.XML");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(RefusalOf(text), "");
    const std::pair<std::string, std::string> cases[] = {
        {Replaced(text, "<岩石土区分_下端深度>1.20<", "<岩石土区分_下端深度>0.00<"),
         "34行目の「岩石土区分_下端深度」 0 m が地表（0 m）より深くありません。"},
        {Replaced(text, "<岩石土区分_下端深度>2.85<", "<岩石土区分_下端深度>1.20<"),
         "35行目の「岩石土区分_下端深度」 1.2 m が一つ上の 1.2 m より深くありません。"},
        {Replaced(text, "<標準貫入試験_開始深度>3.15<", "<標準貫入試験_開始深度>2.00<"),
         "46行目の「標準貫入試験_開始深度」 2 m が一つ上の 2.15 m より深くありません。"},
        {Replaced(text, "<標準貫入試験_合計貫入量>45</標準貫入試験_合計貫入量>", ""),
         "47行目の「標準貫入試験」に「標準貫入試験_合計貫入量」がありません。"},
        {Replaced(text, "<標準貫入試験_合計打撃回数>18<", "<標準貫入試験_合計打撃回数>１８<"),
         "54行目の「標準貫入試験_合計打撃回数」の値「１８」が数値ではありません。"},
        {Replaced(text, "<総掘進長>15.45<", "<総掘進長>-15.45<"),
         "30行目の「総掘進長」の値「-15.45」が範囲外です。"},
        {Replaced(text, "<孔口標高>5.32<", "<孔口標高>不明<"),
         "29行目の「孔口標高」の値「不明」が数値ではありません。"},
        {Replaced(text, "DTD_version=\"3.00\"", "DTD_version=\"3.10\""),
         "DTD_version「3.10」のファイルには対応していません（2.10、3.00、4.00、5.00 に対応）。"},
        {Replaced(text, "</標題情報>", "</標題>"), "32行目で XML の書式が崩れています。"},
        {"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<柱状図/>",
         "ボーリング交換用データではありません（「ボーリング情報」がありません）。"},
    };
    for (const auto& [changed, message] : cases) EXPECT_EQ(RefusalOf(changed), message);

    // Without any division there is nothing to propose.
    std::string noDivisions = text;
    while (noDivisions.find("<岩石土区分>") != std::string::npos) {
        const std::size_t from = noDivisions.find("<岩石土区分>");
        const std::size_t to =
            noDivisions.find("</岩石土区分>") + std::string("</岩石土区分>").size();
        noDivisions.erase(from, to - from);
    }
    EXPECT_EQ(RefusalOf(noDivisions), "33行目の「コア情報」に「岩石土区分」が一つもありません。");
}

// What is read in part today would give layers the file does not mean: a
// repeated element, a value split in two, an element no version here reads.
TEST(BoringReader, RefusesRepeatedSplitAndForeignElementsNamingTheElementAndItsLine) {
    const std::string text = BoringSampleText("LEVEE_NO3_BED0300.XML");
    ASSERT_FALSE(text.empty());
    const std::string depth = "<岩石土区分_下端深度>2.85</岩石土区分_下端深度>";
    const std::string blows = "<標準貫入試験_合計打撃回数>3</標準貫入試験_合計打撃回数>";
    const std::pair<std::string, std::string> cases[] = {
        {Replaced(text, "  </コア情報>", "  </コア情報>\r\n  <コア情報></コア情報>"),
         "61行目の「コア情報」が重複しています（一つ目は33行目）。"},
        {text + "<ボーリング情報 DTD_version=\"3.00\"/>\r\n",
         "62行目の「ボーリング情報」が重複しています（一つ目は3行目）。"},
        {text + "<柱状図/>\r\n", "62行目の「柱状図」が「ボーリング情報」の外にあります。"},
        {Replaced(text, depth, depth + "<岩石土区分_下端深度>2.95</岩石土区分_下端深度>"),
         "35行目の「岩石土区分_下端深度」が重複しています（一つ目は35行目）。"},
        {Replaced(text, blows, blows + "<標準貫入試験_合計打撃回数>50</標準貫入試験_合計打撃回数>"),
         "44行目の「標準貫入試験_合計打撃回数」が重複しています（一つ目は44行目）。"},
        {Replaced(text, "<総掘進長>15.45<", "<総掘進長>15.45</総掘進長>\r\n<総掘進長>16.00<"),
         "31行目の「総掘進長」が重複しています（一つ目は30行目）。"},
        {Replaced(text, "</調査基本情報>", "<ボーリング名>No.4</ボーリング名></調査基本情報>"),
         "12行目の「ボーリング名」が重複しています（一つ目は10行目）。"},
        {Replaced(text, "<総掘進長>15.45<", "<総掘進長>1<!---->5.45<"),
         "30行目の「総掘進長」の値がコメントなどで分かれています。"},
        {Replaced(text, "<孔口標高>5.32<", "<孔口標高>5<![CDATA[.32]]><"),
         "29行目の「孔口標高」の値がコメントなどで分かれています。"},
        {Replaced(text, "<孔口標高>5.32<", "<孔口標高>5.32<単位>m</単位><"),
         "29行目の「単位」が「孔口標高」の値の中にあります。"},
        // A division of 2.10 among those of 3.00, and a 4.00 name in a 3.00 division.
        {Replaced(text, "<色調>",
                  "<土質岩種区分><土質岩種区分_下端深度>16.00</土質岩種区分_下端深度></"
                  "土質岩種区分><色調>"),
         "42行目の「土質岩種区分」は DTD_version「2.10」の要素です（このファイルは「3.00」）。"},
        {Replaced(text, depth,
                  depth + "<工学的地質区分名現場土質名_工学的地質区分名現場土質名>シルト</"
                          "工学的地質区分名現場土質名_工学的地質区分名現場土質名>"),
         "35行目の「工学的地質区分名現場土質名_工学的地質区分名現場土質名」は DTD_version「4.00」"
         "の要素です（このファイルは「3.00」）。"},
        // A newer version is read by the names of 5.00, which this file does not use.
        {Replaced(text, "DTD_version=\"3.00\"", "DTD_version=\"6.00\""),
         "34行目の「岩石土区分」は DTD_version「3.00」の要素です（このファイルは「6.00」）。\n"
         "DTD_version「6.00」は対応している版（2.10、3.00、4.00、5.00）より新しい版です。5.00 "
         "の要素名で読めませんでした。"},
    };
    for (const auto& [changed, message] : cases) EXPECT_EQ(RefusalOf(changed), message);
}

// The log read from a text, which must be read.
BoringLog Read(const std::string& utf8Text) {
    std::string error;
    const auto log = ParseBoringLog(Utf8ToCp932(utf8Text).value_or(""), &error);
    EXPECT_TRUE(log) << error;
    return log.value_or(BoringLog{});
}

TEST(BoringReader, ReadsVersion5AndANewerOneByTheNamesOf4WithAWarningForTheNewer) {
    BoringLog v5 = ParseSample("SMALL_BED0500.XML");
    EXPECT_EQ(v5.dtdVersion, "5.00");
    EXPECT_EQ(v5.name, "R-3");
    EXPECT_EQ(v5.warnings, std::vector<std::string>{});
    // The same log as the 4.00 sample, one line further down for ボーリング連番.
    BoringLog v4 = ParseSample("SMALL_BED0400.XML");
    v4.dtdVersion = v5.dtdVersion;
    v4.name = v5.name;
    for (BoringDivision& division : v4.divisions) ++division.line;
    for (PenetrationTest& test : v4.tests) ++test.line;
    EXPECT_EQ(v5, v4);

    const BoringLog newer =
        Read(Replaced(BoringSampleText("SMALL_BED0500.XML"), "\"5.00\"", "\"5.10\""));
    EXPECT_EQ(newer.dtdVersion, "5.10");
    EXPECT_EQ(newer.divisions, v5.divisions);
    EXPECT_EQ(newer.tests, v5.tests);
    EXPECT_EQ(newer.warnings, std::vector<std::string>{
                                  "DTD_version「5.10」は対応している版（2.10、3.00、4.00、5.00）"
                                  "より新しい版です。5.00 の要素名で読みました。"});
}

// Layers come from the divisions: the total length is only compared with the
// deepest one, to a centimetre, and taken from it when missing.
TEST(BoringReader, TakesAMissingTotalLengthFromTheDeepestDivisionAndWarnsOfADisagreeingOne) {
    const std::string text = BoringSampleText("LEVEE_NO3_BED0300.XML");
    const std::string deepest = "最も深い「岩石土区分_下端深度」 15.45 m（41行目）";
    const struct {
        std::string total;
        double read;
        std::vector<std::string> warnings;
    } cases[] = {
        {"",
         15.45,
         {"28行目の「ボーリング基本情報」に「総掘進長」がありません。" + deepest +
          "を総掘進長とします。"}},
        {"<総掘進長>15.46</総掘進長>", 15.46, {}},
        {"<総掘進長>15.44</総掘進長>", 15.44, {}},
        {"<総掘進長>15.47</総掘進長>",
         15.47,
         {"30行目の「総掘進長」 15.47 m が" + deepest + "と合いません。"}},
        {"<総掘進長>20</総掘進長>",
         20,
         {"30行目の「総掘進長」 20 m が" + deepest + "と合いません。"}},
    };
    for (const auto& c : cases) {
        const BoringLog log = Read(Replaced(text, "<総掘進長>15.45</総掘進長>", c.total));
        EXPECT_EQ(log.totalLength, c.read) << c.total;
        EXPECT_EQ(log.warnings, c.warnings) << c.total;
    }
    // 4.00 and later name it 総削孔長.
    const BoringLog v5 =
        Read(Replaced(BoringSampleText("SMALL_BED0500.XML"), "<総削孔長>6.00</総削孔長>", ""));
    EXPECT_EQ(v5.totalLength, 6);
    ASSERT_EQ(v5.warnings.size(), 1u);
    EXPECT_EQ(v5.warnings[0].substr(0, v5.warnings[0].find("。")),
              "10行目の「ボーリング基本情報」に「総削孔長」がありません");
}

TEST(BoringReader, RefusesAWrongEncodingAndAnOversizedFile) {
    const std::string text = BoringSampleText("SMALL_BED0210.XML");
    std::string error;
    // The same text saved as UTF-8 by an editor that kept the declaration.
    EXPECT_FALSE(ParseBoringLog(text, &error));
    EXPECT_EQ(error, "Shift_JIS と宣言されていますが、UTF-8 で書かれています。");

    std::string euc = *Utf8ToCp932(Replaced(text, "Shift_JIS", "EUC-JP"));
    EXPECT_FALSE(ParseBoringLog(euc, &error));
    EXPECT_EQ(error,
              "文字コード「EUC-JP」のファイルです。ボーリング交換用データは Shift_JIS "
              "で書かれています。");

    // A lead byte followed by a byte that cannot follow it, on line 7.
    std::string broken = *Utf8ToCp932(text);
    broken.insert(broken.find("B-1"), "\x81\x20");
    EXPECT_FALSE(ParseBoringLog(broken, &error));
    EXPECT_EQ(error, "7行目に Shift_JIS として読めない文字があります。");

    EXPECT_FALSE(ParseBoringLog(std::string(kMaxBoringFileBytes + 1, ' '), &error));
    EXPECT_EQ(error, "ファイルが大きすぎます（上限 8 MB）。");
}

TEST(BoringReader, AFileThatCannotBeReadIsNamed) {
    std::string error;
    EXPECT_FALSE(ReadBoringLog("/nonexistent/BED0001.XML", &error));
    EXPECT_EQ(
        error,
        "ボーリングデータ「/nonexistent/BED0001.XML」を読み込めません。\nファイルを開けません。");
}

}  // namespace
}  // namespace nubera
