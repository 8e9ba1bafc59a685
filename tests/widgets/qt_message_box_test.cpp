// The real message box's caption and Japanese buttons.

#include "widgets/qt_message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
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

// A line wider than Qt's own limit for a box is not broken inside a word: the
// box grows to the longest line and keeps the program's line breaks.
TEST(QtMessageBox, IsWideEnoughForItsLongestLine) {
    const QString longLine = QStringLiteral("計算できませんでした。") + QString(60, QChar(u'土')) +
                             QStringLiteral("を確認してください。");
    bool wraps = true;
    int labelWidth = 0;
    int needed = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        wraps = label->wordWrap();
        labelWidth = label->width();
        needed = label->fontMetrics().horizontalAdvance(longLine);
        box->button(QMessageBox::Ok)->click();
    });
    QtMessageBox messages;
    messages.Show(nullptr, QStringLiteral("一行目\n") + longLine, MsgIcon::Exclamation,
                  MsgButtons::Ok);
    EXPECT_FALSE(wraps);
    EXPECT_GE(labelWidth, needed);
}

// Esc on a question with キャンセル withdraws it; it never answers No.
TEST(QtMessageBox, EscapeOnAQuestionWithCancelAnswersCancel) {
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QtMessageBox messages;
    EXPECT_EQ(messages.Show(nullptr, QStringLiteral("保存しますか？"), MsgIcon::Information,
                            MsgButtons::YesNoCancel),
              MsgAnswer::Cancel);
    buttons.sort();
    EXPECT_EQ(buttons.join(QLatin1Char(',')).remove(QLatin1Char('&')),
              QStringLiteral("いいえ(N),はい(Y),キャンセル"));
}

}  // namespace
}  // namespace nubera
