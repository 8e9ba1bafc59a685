#include "widgets/dialogs/japanese_desktop.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace nubera::widgets {
namespace {

// The test environment sets the desktop up as the program does.
TEST(JapaneseDesktop, QtsDialogsSpeakJapaneseWhereItsTranslationIsSilent) {
    EXPECT_EQ(QCoreApplication::translate("QPrintSettingsOutput", "Pages"),
              QStringLiteral("ページ指定"));
    EXPECT_EQ(QCoreApplication::translate("QPrintSettingsOutput", "Copies"),
              QStringLiteral("印刷部数"))
        << "Qt's own translation still answers first";
    EXPECT_EQ(QCoreApplication::translate("QPrintSettingsOutput", "no such text"),
              QStringLiteral("no such text"));
}

}  // namespace
}  // namespace nubera::widgets
