#include "input_screen.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "centring.h"
#include "figure_thumbnail.h"
#include "message_box.h"
#include "named_control.h"

namespace nubera {

QLabel* MakeDisplayBox(const QString& name) {
    auto* box = Named(new QLabel, name);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setAutoFillBackground(true);
    return box;
}

void ShowFittedFigure(FigureThumbnail& thumb, QLabel* source, QLabel* view,
                      const QString& fileName) {
    thumb.SetPictureBoxes(source, view);
    thumb.KeepTargetSizeAsLimit();
    const FigureThumbnail::Preview preview = thumb.ShowFigure(fileName, false);
    view->setFixedSize(static_cast<int>(source->width() * preview.scale),
                       static_cast<int>(source->height() * preview.scale));
}

InputScreen::InputScreen(MessageBox& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void InputScreen::CloseScreen() {
    closing_ = true;
    close();
}

void InputScreen::ClearFlags() {
    changed_ = false;
    closing_ = false;
}

void InputScreen::Refocus(QLineEdit* box) {
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

QWidget* InputScreen::BuildCommandRow(const std::function<void()>& clearAll,
                                      const std::function<bool()>& commit) {
    clearAllButton_ = MakeButton(QStringLiteral("CMD_Alldel"), QStringLiteral("全消去"));
    okButton_ = MakeButton(QStringLiteral("CMD_Exec"), QStringLiteral("ＯＫ"));
    cancelButton_ = MakeButton(QStringLiteral("CMD_Cancel"), QStringLiteral("キャンセル"));
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(clearAllButton_);
    layout->addStretch();
    layout->addWidget(okButton_);
    layout->addWidget(cancelButton_);
    connect(clearAllButton_, &QPushButton::clicked, this, clearAll);
    connect(okButton_, &QPushButton::clicked, this, [this, commit] {
        if (commit()) CloseScreen();
    });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { CloseScreen(); });
    return row;
}

void InputScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreWindow(*this, screen()->geometry());
}

void InputScreen::closeEvent(QCloseEvent* event) {
    if (!closing_ && changed_ && messages_.Ask(this, kDataChangedQuestion, MsgIcon::Information) &&
        !CommitOnClose()) {
        closing_ = false;
        event->ignore();
        return;
    }
    event->accept();
}

// Esc closes the screen as the close box does.
void InputScreen::reject() {
    close();
}

}  // namespace nubera
