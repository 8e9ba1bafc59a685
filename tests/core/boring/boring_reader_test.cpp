#include "boring/boring_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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
        {Replaced(text, "<総掘進長>15.45</総掘進長>", ""),
         "28行目の「ボーリング基本情報」に「総掘進長」がありません。"},
        {Replaced(text, "DTD_version=\"3.00\"", "DTD_version=\"5.00\""),
         "DTD_version「5.00」のファイルには対応していません（2.10、3.00、4.00 に対応）。"},
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
