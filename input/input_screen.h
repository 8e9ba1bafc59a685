#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace nubera {

class FigureThumbnail;
class MessageBox;

// The question of the close box when the working copy holds changes.
inline const QString kDataChangedQuestion =
    QStringLiteral("データが変更されています。\n更新しますか？");
// The message of a required box left empty.
inline const QString kEnterValueMessage = QStringLiteral("入力してください。");

// A read-only box showing a computed value, framed like the entry boxes.
QLabel* MakeDisplayBox(const QString& name);
// Loads an explanatory figure into `source` and draws it into `view`, fitted
// into the size `view` has now; `view` then takes the figure's drawn size.
void ShowFittedFigure(FigureThumbnail& thumb, QLabel* source, QLabel* view,
                      const QString& fileName);

// What the three input screens share: a modal window centred on the screen,
// a working copy with a changed flag, and closing that asks before changes are
// lost. ＯＫ and キャンセル close through CloseScreen (no question); the close
// box and Esc ask when something changed and let the screen commit. A screen
// edits copies of the project's values; once it has taken the edited values
// as accepted, exec() returns Accepted and the opener commits them.
class InputScreen : public QDialog {
  public:
    InputScreen(MessageBox& messages, QWidget* parent);

  protected:
    // Commits after a Yes to the close-box question; false keeps the screen open.
    virtual bool CommitOnClose() = 0;

    // Closes without the question.
    void CloseScreen();
    void SetChanged() { changed_ = true; }
    void ClearFlags();
    bool Changed() const { return changed_; }
    // The screen's values are now the accepted ones, however it then closes.
    void MarkAccepted() { setResult(QDialog::Accepted); }

    // Puts the focus on a box with its whole text selected.
    static void Refocus(QLineEdit* box);

    // The row under every screen: 全消去 on the left, ＯＫ and キャンセル on the
    // right. ＯＫ closes once `commit` succeeds; キャンセル closes without the
    // question.
    QWidget* BuildCommandRow(const std::function<void()>& clearAll,
                             const std::function<bool()>& commit);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    MessageBox& messages_;
    QPushButton* clearAllButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

  private:
    bool changed_ = false;
    bool closing_ = false;
};

}  // namespace nubera
