#include "app/description_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "tests/widgets/find_child.h"
#include "tests/widgets/scripted_message_box.h"

namespace nubera::test {
namespace {

TEST(DescriptionDialog, ShowsTheFieldsAndGivesBackWhatWasTyped) {
    ScriptedMessageBox messages;
    ProjectDescription start;
    start.title = "旧件名";
    app::DescriptionDialog dialog(nullptr, messages, start);
    EXPECT_EQ(Child<QLineEdit>(dialog, QStringLiteral("TXT_件名"))->text(),
              QStringLiteral("旧件名"));
    Child<QLineEdit>(dialog, QStringLiteral("TXT_照査者"))->setText(QStringLiteral("照査 二郎"));
    Child<QPlainTextEdit>(dialog, QStringLiteral("TXT_備考"))
        ->setPlainText(QStringLiteral("一行目\n二行目"));
    dialog.TryAccept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.Shown().empty());
    const ProjectDescription typed = dialog.Description();
    EXPECT_EQ(typed.title, "旧件名");
    EXPECT_EQ(typed.checker, "照査 二郎");
    EXPECT_EQ(typed.notes, "一行目\n二行目");
}

// A character the project file cannot hold is refused where it was typed:
// the dialog stays open with the text as typed and selected.
TEST(DescriptionDialog, RefusesACharacterTheFileCannotHoldAndKeepsTheText) {
    ScriptedMessageBox messages;
    app::DescriptionDialog dialog(nullptr, messages, {});
    dialog.show();
    auto* checker = Child<QLineEdit>(dialog, QStringLiteral("TXT_照査者"));
    checker->setText(QStringLiteral("𠮷田"));
    dialog.TryAccept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Exclamation);
    EXPECT_TRUE(messages.Shown()[0].text.startsWith(QStringLiteral("照査者の「𠮷」は")))
        << messages.Shown()[0].text.toStdString();
    EXPECT_EQ(checker->text(), QStringLiteral("𠮷田"));
    EXPECT_EQ(checker->selectedText(), QStringLiteral("𠮷田"));
}

}  // namespace
}  // namespace nubera::test
