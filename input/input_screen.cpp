#include "input/input_screen.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "widgets/centring.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/figure_thumbnail.h"
#include "widgets/named_control.h"

namespace nubera::input {

QLabel* MakeDisplayBox(const QString& name) {
    auto* box = widgets::Named(new QLabel, name);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setAutoFillBackground(true);
    return box;
}

void ShowFittedFigure(widgets::FigureThumbnail& thumb, QLabel* source, QLabel* view,
                      const QString& fileName) {
    thumb.SetPictureBoxes(source, view);
    thumb.KeepTargetSizeAsLimit();
    const widgets::FigureThumbnail::Preview preview = thumb.ShowFigure(fileName, false);
    view->setFixedSize(static_cast<int>(source->width() * preview.scale),
                       static_cast<int>(source->height() * preview.scale));
}

InputScreen::InputScreen(widgets::MessageBox& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

bool InputScreen::Changed() const {
    return CommittedTexts() != opened_;
}

void InputScreen::MarkOpened() {
    opened_ = CommittedTexts();
    closing_ = false;
}

void InputScreen::CloseScreen(DialogCode result) {
    closing_ = true;
    setResult(result);
    close();
}

void InputScreen::Refocus(QLineEdit* box) {
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

QWidget* InputScreen::BuildCommandRow(const std::function<void()>& clearAll) {
    clearAllButton_ = widgets::MakeButton(QStringLiteral("CMD_Alldel"), QStringLiteral("全消去"));
    okButton_ = widgets::MakeButton(QStringLiteral("CMD_Exec"), QStringLiteral("ＯＫ"));
    cancelButton_ = widgets::MakeButton(QStringLiteral("CMD_Cancel"), QStringLiteral("キャンセル"));
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(clearAllButton_);
    layout->addStretch();
    layout->addWidget(okButton_);
    layout->addWidget(cancelButton_);
    connect(clearAllButton_, &QPushButton::clicked, this, clearAll);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        if (!Changed()) {
            CloseScreen(Rejected);
        } else if (Commit()) {
            CloseScreen(Accepted);
        }
    });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { CloseScreen(Rejected); });
    return row;
}

void InputScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    widgets::CentreWindow(*this, screen()->geometry());
}

void InputScreen::closeEvent(QCloseEvent* event) {
    if (closing_ || !Changed()) {
        event->accept();
        return;
    }
    switch (messages_.AskOrCancel(this, kDataChangedQuestion, widgets::MsgIcon::Information)) {
        case widgets::MsgAnswer::Yes:
            if (!Commit()) break;
            setResult(Accepted);
            event->accept();
            return;
        case widgets::MsgAnswer::No:
            setResult(Rejected);
            event->accept();
            return;
        case widgets::MsgAnswer::Ok:
        case widgets::MsgAnswer::Cancel:
            break;
    }
    event->ignore();
}

// Esc closes the screen as the close box does.
void InputScreen::reject() {
    close();
}

}  // namespace nubera::input
