#include "app/startup/title_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/widgets/find_child.h"
#include "version.h"
#include "widgets/twips.h"

namespace nubera::app {
namespace {

TEST(TitleWindow, ShowsTheProgramsNameAndVersion) {
    app::TitleWindow title;
    EXPECT_EQ(test::Child<QLabel>(title, QStringLiteral("lblProductName"))->text(),
              QStringLiteral("ヌベラプログラム"));
    EXPECT_EQ(test::Child<QLabel>(title, QStringLiteral("lblVersion"))->text(),
              QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + QString::fromUtf8(kVersionText));
    EXPECT_EQ(test::Child<QPushButton>(title, QStringLiteral("CMD_OK"))->text(),
              QStringLiteral("ＯＫ"));
}

TEST(TitleWindow, TheSplashIsCutToItsHeightWithoutTheOkButton) {
    app::TitleWindow title;
    title.PrepareSplash();
    title.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&title));
    EXPECT_FALSE(test::Child<QPushButton>(title, QStringLiteral("CMD_OK"))->isVisible());
    EXPECT_EQ(title.height(), widgets::TwipsToPixels(6255, title));
}

// With a desktop font larger than designed for, the window grows and every
// text is shown whole, in the splash too.
TEST(TitleWindow, ALargeDesktopFontGrowsTheWindowInsteadOfCuttingTexts) {
    const QFont designed = QApplication::font();
    QFont large = designed;
    large.setPointSizeF(designed.pointSizeF() * 1.5);
    QApplication::setFont(large);
    for (bool splash : {false, true}) {
        app::TitleWindow title;
        if (splash) title.PrepareSplash();
        title.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&title));
        for (const QLabel* label : title.findChildren<QLabel*>()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
            EXPECT_GE(label->height(), label->sizeHint().height()) << label->text().toStdString();
        }
    }
    QApplication::setFont(designed);
}

// The version window closes on its button, on any key and on a click on its frame.
TEST(TitleWindow, AsVersionInformationItClosesOnOkAKeyOrAFrameClick) {
    const std::function<void(app::TitleWindow&)> closers[] = {
        [](app::TitleWindow& t) { test::Child<QPushButton>(t, QStringLiteral("CMD_OK"))->click(); },
        [](app::TitleWindow& t) { QTest::keyClick(&t, Qt::Key_A); },
        // Keys the focused OK button would otherwise keep for itself.
        [](app::TitleWindow& t) {
            QTest::keyClick(test::Child<QPushButton>(t, QStringLiteral("CMD_OK")), Qt::Key_Down);
        },
        [](app::TitleWindow& t) {
            QTest::keyClick(test::Child<QPushButton>(t, QStringLiteral("CMD_OK")), Qt::Key_Tab);
        },
        [](app::TitleWindow& t) {
            QTest::mouseClick(test::Child<QWidget>(t, QStringLiteral("Frame1")), Qt::LeftButton);
        },
    };
    for (const auto& close : closers) {
        app::TitleWindow title;
        QTimer::singleShot(0, &title,
                           [&title, &close] { test::InEventLoop([&] { close(title); }); });
        QTimer::singleShot(2000, &title, &QDialog::reject);  // a safety net only
        EXPECT_EQ(title.exec(), QDialog::Accepted);
    }
}

}  // namespace
}  // namespace nubera::app
