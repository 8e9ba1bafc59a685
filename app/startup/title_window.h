#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace nubera::app {

// The title window: the start-up splash, and the version information that the
// main window's menu shows modally. As version information it closes on its
// OK button, on any key and on a click on its upper frame.
class TitleWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TitleWindow(QWidget* parent = nullptr);

    // Cuts the window to the splash height and hides the OK button.
    void PrepareSplash();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();

    QFrame* frame_ = nullptr;
    QFrame* rule_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* productName_ = nullptr;
    QLabel* maker_ = nullptr;
    QLabel* version_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace nubera::app
