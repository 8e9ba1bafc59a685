#include "qt_message_box.h"

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

}  // namespace

MsgAnswer QtMessageBox::Show(QWidget* parent, const QString& text, MsgIcon icon,
                             MsgButtons buttons) {
    // The program's texts break lines with LF; a text that comes with CR LF
    // (from an old file or the system) is shown the same way.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(
        ToQtIcon(icon), kMessageCaption, shown,
        buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parent);
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

}  // namespace nubera
