#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace nubera::widgets {
class FigureThumbnail;
class MessageBox;
}  // namespace nubera::widgets

namespace nubera::input {

// The question of the close box when the working copy holds changes.
inline const QString kDataChangedQuestion =
    QStringLiteral("データが変更されています。\n更新しますか？");
// The message of a required box left empty.
inline const QString kEnterValueMessage = QStringLiteral("入力してください。");

// A read-only box showing a computed value, framed like the entry boxes.
QLabel* MakeDisplayBox(const QString& name);
// Loads an explanatory figure into `source` and draws it into `view`, fitted
// into the size `view` has now; `view` then takes the figure's drawn size.
void ShowFittedFigure(widgets::FigureThumbnail& thumb, QLabel* source, QLabel* view,
                      const QString& fileName);

// What the three input screens share: a modal window centred on the screen,
// a working copy, and closing that asks before changes are lost. A screen
// edits copies of the project's values; exec() returns Accepted only when a
// commit (ＯＫ, or Yes to the close-box question) succeeded as a whole, and
// the opener then commits the handed-back values. Every other way out returns
// Rejected: キャンセル, No, and any of them after a refused commit.
// The working copy counts as changed when the values the screen would commit
// differ from those it opened with: a screen closed without a change (by ＯＫ
// too) asks nothing and hands nothing back. The close box and Esc ask when it
// changed; キャンセル (or Esc) on that question goes back to the screen.
class InputScreen : public QDialog {
  public:
    InputScreen(widgets::MessageBox& messages, QWidget* parent);

    // The texts the screen would commit differ from those it opened with.
    bool Changed() const;

  protected:
    // The texts of every box and list cell the screen's commit reads.
    virtual QStringList CommittedTexts() const = 0;
    // Takes the working copy as the accepted values; false (after saying why)
    // keeps the screen open. Shared by ＯＫ and the close-box question.
    virtual bool Commit() = 0;

    // The screen has loaded the values it opened with: later texts are
    // compared with these.
    void MarkOpened();

    // Puts the focus on a box with its whole text selected.
    static void Refocus(QLineEdit* box);

    // The row under every screen: 全消去 on the left, ＯＫ and キャンセル on the
    // right. ＯＫ closes once Commit succeeds (at once, handing nothing back,
    // when nothing changed); キャンセル closes without the question.
    QWidget* BuildCommandRow(const std::function<void()>& clearAll);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    widgets::MessageBox& messages_;
    QPushButton* clearAllButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

  private:
    // Closes without the question, exec() returning `result`.
    void CloseScreen(DialogCode result);

    QStringList opened_;
    bool closing_ = false;
};

}  // namespace nubera::input
