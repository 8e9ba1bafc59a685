#include "print_fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>

namespace nubera::sheet {
namespace {

struct FontCase {
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

INSTANTIATE_TEST_SUITE_P(Faces, InstalledFamilyTest,
                         ::testing::Values(FontCase{"ＭＳ Ｐゴシック", "Noto Sans CJK JP"},
                                           FontCase{"MS PGothic", "Noto Sans CJK JP"},
                                           FontCase{"ＭＳ ゴシック", "Noto Sans Mono CJK JP"},
                                           FontCase{"ＭＳ 明朝", "Noto Serif CJK JP"},
                                           FontCase{"游明朝", "Noto Serif CJK JP"},
                                           FontCase{"メイリオ", "Noto Sans CJK JP"},
                                           FontCase{"Calibri", "Noto Sans CJK JP"},
                                           FontCase{"", "Noto Sans CJK JP"},
                                           // An installed face is printed as it is.
                                           FontCase{"Noto Serif CJK JP", "Noto Serif CJK JP"}));

}  // namespace
}  // namespace nubera::sheet
