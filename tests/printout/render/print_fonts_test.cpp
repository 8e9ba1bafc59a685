#include "printout/render/print_fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>

#include "tests/case_name.h"

namespace nubera::printout {
namespace {

struct FontCase {
    const char* name;
    const char* named;
    const char* printed;
};

class InstalledFamilyTest : public ::testing::TestWithParam<FontCase> {};

// The Windows faces of a Japanese template print in the CJK face of their kind.
TEST_P(InstalledFamilyTest, StandsInForMissingFacesByKind) {
    const QString printed = QString::fromUtf8(GetParam().printed);
    if (!QFontDatabase::hasFamily(printed))
        GTEST_SKIP() << GetParam().printed << " is not installed";
    EXPECT_EQ(InstalledFamily(QString::fromUtf8(GetParam().named)), printed);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, InstalledFamilyTest,
    ::testing::Values(FontCase{"fullwidth_ms_p_gothic", "ＭＳ Ｐゴシック", "Noto Sans CJK JP"},
                      FontCase{"ms_p_gothic", "MS PGothic", "Noto Sans CJK JP"},
                      FontCase{"fullwidth_ms_gothic", "ＭＳ ゴシック", "Noto Sans Mono CJK JP"},
                      FontCase{"fullwidth_ms_mincho", "ＭＳ 明朝", "Noto Serif CJK JP"},
                      FontCase{"yu_mincho", "游明朝", "Noto Serif CJK JP"},
                      FontCase{"meiryo", "メイリオ", "Noto Sans CJK JP"},
                      FontCase{"calibri", "Calibri", "Noto Sans CJK JP"},
                      FontCase{"no_face", "", "Noto Sans CJK JP"},
                      // An installed face is printed as it is.
                      FontCase{"installed_face", "Noto Serif CJK JP", "Noto Serif CJK JP"}),
    test::CaseName());

}  // namespace
}  // namespace nubera::printout
