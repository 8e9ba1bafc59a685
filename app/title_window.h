#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace nubera {

// "ﾊﾞｰｼﾞｮﾝ " + major.minor.patch, each a plain integer.
QString VersionText(int major, int minor, int patch);

// The title window: the start-up splash, and the version information that the
// main window's menu shows modally. As version information it closes on its
// OK button, on any key and on a click on its upper frame.
class FRM_Title : public QDialog {
    Q_OBJECT

  public:
    explicit FRM_Title(QWidget* parent = nullptr);

    // Cuts the window to the splash height and hides the OK button.
    void PrepareSplash();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();

    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* CMD_OK = nullptr;
};

}  // namespace nubera
