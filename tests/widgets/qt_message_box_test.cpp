// The real message box's caption and Japanese buttons.

#include "widgets/dialogs/qt_message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace nubera::widgets {
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
    widgets::QtMessageBox messages;
    const widgets::MsgAnswer answer =
        messages.Show(nullptr, QStringLiteral("一行目\r\n二行目"), widgets::MsgIcon::Question,
                      widgets::MsgButtons::YesNo, QString());
    EXPECT_EQ(answer, widgets::MsgAnswer::No);
    EXPECT_EQ(caption, QStringLiteral("ヌベラ"));
    EXPECT_EQ(text, QStringLiteral("一行目\n二行目"));
    buttons.sort();
    EXPECT_EQ(buttons.join(QLatin1Char(',')).remove(QLatin1Char('&')),
              QStringLiteral("いいえ(N),はい(Y)"));
}

// A line wider than Qt's own limit for a box (but narrower than the screen)
// is not broken inside a word: the box grows to the longest line and keeps
// the program's line breaks.
TEST(QtMessageBox, IsWideEnoughForItsLongestLine) {
    const QString longLine = QStringLiteral("計算できませんでした。") + QString(30, QChar(u'土')) +
                             QStringLiteral("を確認してください。");
    bool wraps = true;
    int labelWidth = 0;
    int needed = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        // Qt lays the box out again on the layout requests that follow its
        // showing; the lines must stay whole after them too.
        QTest::qWait(50);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        wraps = label->wordWrap();
        labelWidth = label->width();
        needed = label->fontMetrics().horizontalAdvance(longLine);
        box->button(QMessageBox::Ok)->click();
    });
    widgets::QtMessageBox messages;
    messages.Show(nullptr, QStringLiteral("一行目\n") + longLine, widgets::MsgIcon::Exclamation,
                  widgets::MsgButtons::Ok, QString());
    EXPECT_FALSE(wraps);
    EXPECT_GT(needed, 500) << "wider than Qt's own limit";
    EXPECT_GE(labelWidth, needed);
}

// A message about one entry box names it after the program's name.
TEST(QtMessageBox, AMessageAboutABoxNamesItInTheCaption) {
    QString caption;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    widgets::QtMessageBox messages;
    messages.Warning(nullptr, QStringLiteral("入力値は100以下にしてください。"),
                     QStringLiteral("開削幅"));
    EXPECT_EQ(caption, QStringLiteral("ヌベラ - 開削幅"));
}

// A line wider than the screen breaks after 、 or 。, never inside a word;
// the program's own breaks stay.
TEST(QtMessageBox, ALineWiderThanTheScreenBreaksAfterPunctuation) {
    QString text;
    int boxWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        boxWidth = box->width();
        box->button(QMessageBox::Ok)->click();
    });
    const QString part = QString(40, QChar(u'土')) + QStringLiteral("、");
    widgets::QtMessageBox messages;
    messages.Warning(nullptr,
                     QStringLiteral("一行目\n") + part.repeated(12) + QStringLiteral("終わり。"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("一行目\n")));
    const QStringList lines = text.split(QLatin1Char('\n'));
    EXPECT_GT(lines.size(), 2);
    for (const QString& line : lines.mid(1, lines.size() - 2)) {
        EXPECT_TRUE(line.endsWith(QStringLiteral("、"))) << line.toStdString();
    }
    EXPECT_EQ(text.remove(QLatin1Char('\n')),
              QStringLiteral("一行目") + part.repeated(12) + QStringLiteral("終わり。"));
    EXPECT_LE(boxWidth, QGuiApplication::primaryScreen()->availableGeometry().width());
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
    widgets::QtMessageBox messages;
    EXPECT_EQ(
        messages.Show(nullptr, QStringLiteral("保存しますか？"), widgets::MsgIcon::Information,
                      widgets::MsgButtons::YesNoCancel, QString()),
        widgets::MsgAnswer::Cancel);
    buttons.sort();
    EXPECT_EQ(buttons.join(QLatin1Char(',')).remove(QLatin1Char('&')),
              QStringLiteral("いいえ(N),はい(Y),キャンセル"));
}

}  // namespace
}  // namespace nubera::widgets
