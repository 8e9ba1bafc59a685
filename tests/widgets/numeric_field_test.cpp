#include "widgets/numeric_field.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "tests/case_name.h"
#include "tests/widgets/key_typing.h"
#include "tests/widgets/scripted_message_box.h"

namespace nubera::widgets {
namespace {

using test::ScriptedMessageBox;

// A window with the field under test, a second field and a button after it in
// tab order, shown and active so that focus moves are real.
class NumericFieldTest : public ::testing::Test {
  protected:
    void Build(widgets::KeyFilter filter) {
        auto* layout = new QVBoxLayout(&window);
        field = new widgets::NumericField(messages, filter);
        next = new QLineEdit;
        button = new QPushButton(QStringLiteral("ＯＫ"));
        layout->addWidget(field);
        layout->addWidget(next);
        layout->addWidget(button);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
    }

    void Enter(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        field->setText(text);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return, modifiers);
    }

    QWidget window;
    ScriptedMessageBox messages;
    widgets::NumericField* field = nullptr;
    QLineEdit* next = nullptr;
    QPushButton* button = nullptr;
};

TEST_F(NumericFieldTest, FocusSelectsTheWholeTextSoTypingReplacesIt) {
    Build(widgets::KeyFilter::Decimal);
    field->setText(QStringLiteral("12.50"));
    next->setFocus();
    QTest::keyClick(&window, Qt::Key_Backtab);
    ASSERT_TRUE(field->hasFocus());
    EXPECT_EQ(field->selectedText(), QStringLiteral("12.50"));
    QTest::keyClicks(field, QStringLiteral("3"));
    EXPECT_EQ(field->text(), QStringLiteral("3"));
}

TEST_F(NumericFieldTest, ClickingIntoTheBoxAlsoSelectsAll) {
    Build(widgets::KeyFilter::Decimal);
    field->setText(QStringLiteral("12.50"));
    next->setFocus();
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(5, field->height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(field->selectedText(), QStringLiteral("12.50"));
}

// Each keystroke goes in by the box's rule: full-width digits, point and
// signs as ASCII; a refused one changes nothing, visibly.
struct TypingCase {
    const char* name;
    widgets::KeyFilter filter;
    const char* typed;
    const char* kept;
    const char* refusal;  // part of the last refusal; empty: nothing refused
};

class TypingTest : public NumericFieldTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, KeepsWhatTheRuleTakesAndSaysWhatItRefused) {
    Build(GetParam().filter);
    field->clear();
    test::TypeKeys(field, QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(field->text(), QString::fromUtf8(GetParam().kept));
    EXPECT_TRUE(field->LastRefusal().contains(QString::fromUtf8(GetParam().refusal)))
        << field->LastRefusal().toStdString();
    EXPECT_EQ(field->LastRefusal().isEmpty(), std::string(GetParam().refusal).empty());
    EXPECT_TRUE(messages.Shown().empty()) << "no message box for a keystroke";
}

INSTANTIATE_TEST_SUITE_P(
    Keystrokes, TypingTest,
    ::testing::Values(
        TypingCase{"decimal_modulus", widgets::KeyFilter::Decimal, "2800.5", "2800.5", ""},
        TypingCase{"full_width", widgets::KeyFilter::Decimal, "１２．５", "12.5", ""},
        TypingCase{"full_width_minus", widgets::KeyFilter::SignedDecimal, "－３", "-3", ""},
        TypingCase{"minus_into_unsigned", widgets::KeyFilter::Decimal, "-", "", "マイナス"},
        TypingCase{"thousands_separator", widgets::KeyFilter::Decimal, "1,", "1", "カンマ"},
        TypingCase{"letter", widgets::KeyFilter::SignedDecimal, "1a", "1", "数字以外"}),
    test::CaseName());

// An input method commits whole texts; full-width digits go in as ASCII, a
// text holding a refused character is refused as a whole.
TEST_F(NumericFieldTest, AnInputMethodsTextGoesInByTheSameRule) {
    Build(widgets::KeyFilter::Decimal);
    field->clear();
    QInputMethodEvent digits;
    digits.setCommitString(QStringLiteral("１２"));
    QApplication::sendEvent(field, &digits);
    EXPECT_EQ(field->text(), QStringLiteral("12"));
    QInputMethodEvent grouped;
    grouped.setCommitString(QStringLiteral("，０００"));
    QApplication::sendEvent(field, &grouped);
    EXPECT_EQ(field->text(), QStringLiteral("12"));
    EXPECT_TRUE(field->LastRefusal().contains(QStringLiteral("カンマ")));
}

struct PasteCase {
    const char* name;
    widgets::KeyFilter filter;
    const char* pasted;
};

class RefusedPasteTest : public NumericFieldTest,
                         public ::testing::WithParamInterface<PasteCase> {};

// Texts whose characters a filter would drop one by one, turning them into
// another number ("abc12.3xyz" into 12.3, "2,800" into 2800, "-3" into 3).
TEST_P(RefusedPasteTest, KeepsTheBoxAsItWasAndSaysWhatItTakes) {
    Build(GetParam().filter);
    field->setText(QStringLiteral("1"));
    QGuiApplication::clipboard()->setText(QString::fromUtf8(GetParam().pasted));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("1"));
    EXPECT_TRUE(field->LastRefusal().contains(QStringLiteral("この欄に入力できるのは")));
    EXPECT_TRUE(field->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, RefusedPasteTest,
    ::testing::Values(
        PasteCase{"letters_around_thickness", widgets::KeyFilter::Decimal, "abc12.3xyz"},
        PasteCase{"grouped_thousands", widgets::KeyFilter::Decimal, "2,800"},
        PasteCase{"minus_into_unsigned", widgets::KeyFilter::Decimal, "-3"},
        PasteCase{"full_width_minus_into_unsigned", widgets::KeyFilter::Decimal, "－３"}),
    test::CaseName());

TEST_F(NumericFieldTest, BackspaceStillEditsAndAPasteOfNothingChangesNothing) {
    Build(widgets::KeyFilter::Decimal);
    field->setText(QStringLiteral("12.5"));
    field->setFocus();
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), QStringLiteral("12."));
    field->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral(" \n"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("12."));
    EXPECT_TRUE(field->LastRefusal().isEmpty());
}

// A paste the box takes goes in at the cursor, the blanks and line break a
// copied cell brings trimmed off.
TEST_F(NumericFieldTest, AnAcceptedPasteGoesInAtTheCursor) {
    Build(widgets::KeyFilter::SignedDecimal);
    field->setText(QStringLiteral("12.50"));
    field->setCursorPosition(2);
    QGuiApplication::clipboard()->setText(QStringLiteral(" ３4\r\n"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("1234.50"));
    EXPECT_TRUE(field->LastRefusal().isEmpty());
}

TEST_F(NumericFieldTest, TheContextMenuPastesCheckedToo) {
    Build(widgets::KeyFilter::Decimal);
    field->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("x7.5y"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            field->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(field, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    const auto paste = std::find_if(items.begin(), items.end(), [](QAction* action) {
        return action->shortcut() == QKeySequence(QKeySequence::Paste) ||
               action->text().contains(QKeySequence(QKeySequence::Paste).toString());
    });
    ASSERT_NE(paste, items.end());
    (*paste)->trigger();
    menu->close();
    EXPECT_EQ(field->text(), QString());
    EXPECT_FALSE(field->LastRefusal().isEmpty());
}

// The focus coming back from a popup (the box's own context menu) is no new
// entry into the box: the cursor stays where it was, so a paste goes in there.
TEST_F(NumericFieldTest, FocusBackFromAPopupKeepsTheCursorWhereItWas) {
    Build(widgets::KeyFilter::Decimal);
    field->setText(QStringLiteral("12.50"));
    field->setCursorPosition(2);
    for (QEvent::Type type : {QEvent::FocusOut, QEvent::FocusIn}) {
        QFocusEvent event(type, Qt::PopupFocusReason);
        QApplication::sendEvent(field, &event);
    }
    QApplication::processEvents();
    EXPECT_FALSE(field->hasSelectedText());
    EXPECT_EQ(field->cursorPosition(), 2);
}

struct EnterCase {
    const char* name;
    const char* typed;
    const char* shown;    // the text afterwards
    const char* message;  // empty: none
    bool movesOn;
};

class EnterTest : public NumericFieldTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterTest, ChecksRoundsFormatsAndMovesOn) {
    Build(widgets::KeyFilter::SignedDecimal);
    field->SetUpperLimit(100);
    Enter(QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(field->text(), QString::fromUtf8(GetParam().shown));
    const QString message = QString::fromUtf8(GetParam().message);
    if (message.isEmpty()) {
        EXPECT_TRUE(messages.Shown().empty());
    } else {
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].text, message);
        EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Exclamation);
        EXPECT_EQ(messages.Shown()[0].buttons, widgets::MsgButtons::Ok);
        EXPECT_EQ(field->selectedText(), field->text());
    }
    EXPECT_EQ(next->hasFocus(), GetParam().movesOn);
    EXPECT_EQ(field->hasFocus(), !GetParam().movesOn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnterTest,
    ::testing::Values(EnterCase{"whole", "5", "5.00", "", true},
                      EnterCase{"leading_point", ".5", "0.50", "", true},
                      EnterCase{"half_up", "2.345", "2.35", "", true},
                      EnterCase{"below_half", "2.344", "2.34", "", true},
                      EnterCase{"negative_half", "-2.345", "-2.34", "", true},
                      EnterCase{"limit_itself", "100", "100.00", "", true},
                      EnterCase{"empty", "", "", "", true},
                      EnterCase{"lone_point", ".", ".", "入力された値が不正です。", false},
                      EnterCase{"two_points", "1.2.3", "1.2.3", "入力された値が不正です。", false},
                      EnterCase{"blank", " ", " ", "入力された値が不正です。", false},
                      EnterCase{"over_limit", "100.01", "100.01", "入力値は100以下にしてください。",
                                false}),
    test::CaseName());

TEST_F(NumericFieldTest, CtrlEnterIsEnter) {
    Build(widgets::KeyFilter::Decimal);
    Enter(QStringLiteral("7"), Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("7.00"));
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(NumericFieldTest, WithoutALimitLargeValuesPass) {
    Build(widgets::KeyFilter::Decimal);
    Enter(QStringLiteral("12345.678"));
    EXPECT_EQ(field->text(), QStringLiteral("12345.68"));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(NumericFieldTest, AValueCheckReportsItsOwnMessage) {
    Build(widgets::KeyFilter::Decimal);
    field->SetValueCheck(
        [](double v) { return v < 0.01 ? QStringLiteral("too small") : QString(); });
    Enter(QStringLiteral("0.005"));
    ASSERT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("too small")});
    EXPECT_EQ(field->text(), QStringLiteral("0.005"));
    EXPECT_TRUE(field->hasFocus());
}

TEST_F(NumericFieldTest, AnAfterEnterStepReplacesMovingOnButNotForAnEmptyBox) {
    Build(widgets::KeyFilter::Decimal);
    int steps = 0;
    field->SetAfterEnter([&] {
        ++steps;
        button->setFocus();
    });
    Enter(QStringLiteral("1"));
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(button->hasFocus());
    Enter(QString());
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(NumericFieldTest, TabOrderSkipsDisabledControls) {
    Build(widgets::KeyFilter::Decimal);
    next->setEnabled(false);
    Enter(QStringLiteral("1"));
    EXPECT_TRUE(button->hasFocus());
}

TEST_F(NumericFieldTest, AnEnterHandlerTakesOverEnterAndTheEnterKeyIsSwallowed) {
    Build(widgets::KeyFilter::Decimal);
    int calls = 0;
    field->SetEnterHandler([&] { ++calls; });
    Enter(QStringLiteral("12"));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(field->text(), QStringLiteral("12"));
    EXPECT_TRUE(field->hasFocus());
}

}  // namespace
}  // namespace nubera::widgets
