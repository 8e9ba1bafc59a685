// The real message box's caption and Japanese buttons.

#include "qt_message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace nubera {
namespace {

TEST(QtMessageBox, ShowsTheProgramsCaptionAndJapaneseButtons) {
    QString caption;
    QStringList buttons;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        box->button(QMessageBox::No)->click();
    });
    QtMessageBox messages;
    const MsgAnswer answer = messages.Show(nullptr, QStringLiteral("一行目\r\n二行目"),
                                           MsgIcon::Question, MsgButtons::YesNo);
    EXPECT_EQ(answer, MsgAnswer::No);
    EXPECT_EQ(caption, QStringLiteral("ヌベラ"));
    EXPECT_EQ(text, QStringLiteral("一行目\n二行目"));
    buttons.sort();
    EXPECT_EQ(buttons.join(QLatin1Char(',')).remove(QLatin1Char('&')),
              QStringLiteral("いいえ(N),はい(Y)"));
}

}  // namespace
}  // namespace nubera
