#include "printout/render/pdf_ideographs.h"

#include <gtest/gtest.h>

#include <string>

namespace nubera::printout {
namespace {

std::string Mended(std::string pdf) {
    NameIdeographsInTextMaps(std::span<char>(pdf.data(), pdf.size()));
    return pdf;
}

std::string TextMap(const std::string& ranges) {
    return "stream\n/CIDInit /ProcSet findresource begin\nbegincmap\n1 begincodespacerange\n"
           "<0000> <FFFF>\nendcodespacerange\n3 beginbfrange\n" +
           ranges + "endbfrange\nendcmap\nendstream\n";
}

TEST(NameIdeographsInTextMaps, RadicalsInListsAndSingleCodesBecomeTheirIdeographs) {
    // ⼼ 心, ⽬ 目, ⼀ 一, ⽅ 方, ⾏ 行, ⽐ 比; ⺟ 母 of the supplement; あ stays.
    const std::string before = TextMap(
        "<0001> <0004> [<2F3C> <3042> <2F6C> <2F00> ]\n<0005> <0005> <2F45>\n"
        "<0006> <0007> [<2f8f> <2F50> ]\n<0008> <0008> <2E9F>\n");
    const std::string after = Mended(before);
    EXPECT_EQ(after, TextMap("<0001> <0004> [<5FC3> <3042> <76EE> <4E00> ]\n<0005> <0005> <65B9>\n"
                             "<0006> <0007> [<884C> <6BD4> ]\n<0008> <0008> <6BCD>\n"));
    EXPECT_EQ(after.size(), before.size());
}

TEST(NameIdeographsInTextMaps, LeavesEverythingElseAsItIs) {
    // A run of codes from its first; a radical without an ideograph (⺀);
    // codes outside any text map; two units (a surrogate pair).
    const std::string maps =
        TextMap("<0001> <000A> <2F00>\n<000B> <000B> <2E80>\n<000C> <000D> [<D840DC0B> <0041> ]\n");
    EXPECT_EQ(Mended(maps), maps);
    const std::string page = "BT /F1 12 Tf <2F3C> Tj ET\n";
    EXPECT_EQ(Mended(page), page);
    const std::string unfinished = "begincmap\n1 beginbfrange\n<0001> <0001> <2F3C>\n";
    EXPECT_EQ(Mended(unfinished), unfinished);
}

TEST(NameIdeographsInTextMaps, MendsEveryFontsMapAndSingleCharacterMaps) {
    const std::string twoFonts = TextMap("<0001> <0001> <2F3C>\n") +
                                 "begincmap\n1 beginbfchar\n<0003> <2F6C>\nendbfchar\nendcmap\n";
    EXPECT_EQ(Mended(twoFonts),
              TextMap("<0001> <0001> <5FC3>\n") +
                  "begincmap\n1 beginbfchar\n<0003> <76EE>\nendbfchar\nendcmap\n");
}

}  // namespace
}  // namespace nubera::printout
