#include "widgets/qt_message_box.h"

#include <QLabel>
#include <QLayout>
#include <QMessageBox>

namespace nubera {
namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

MsgAnswer FromQtAnswer(int answer, MsgButtons buttons) {
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    switch (answer) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        default:
            return MsgAnswer::No;
    }
}

// Qt's box wraps a line wider than its own width limit anywhere, Japanese
// text even inside a word; the program's messages break lines where their
// texts say, so the box grows to the longest line instead.
class UnwrappedMessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (label == nullptr || !label->wordWrap()) return;
        label->setWordWrap(false);
        layout()->invalidate();
        setFixedSize(layout()->totalSizeHint().expandedTo(layout()->totalMinimumSize()));
    }
};

}  // namespace

MsgAnswer QtMessageBox::Show(QWidget* parent, const QString& text, MsgIcon icon,
                             MsgButtons buttons) {
    // The program's texts break lines with LF; a text that comes with CR LF
    // (from an old file or the system) is shown the same way.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    UnwrappedMessageBox box(ToQtIcon(icon), kMessageCaption, shown, ToQtButtons(buttons), parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::YesNoCancel) box.setEscapeButton(QMessageBox::Cancel);
    return FromQtAnswer(box.exec(), buttons);
}

}  // namespace nubera
