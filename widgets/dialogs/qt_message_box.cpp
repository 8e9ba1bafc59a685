#include "widgets/dialogs/qt_message_box.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <limits>
#include <string_view>

#include "text/message_lines.h"

namespace nubera::widgets {
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
// text even inside a word, and sizes itself so again on every layout
// request; the program's messages break lines where their texts say (and
// BreakLongLines where the screen ends), so the box lays itself out instead,
// grown to the longest line.
class UnwrappedMessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        FitToLines();
    }
    void changeEvent(QEvent* event) override {
        QMessageBox::changeEvent(event);
        FitToLines();
    }
    bool event(QEvent* event) override {
        if (event->type() != QEvent::LayoutRequest) return QMessageBox::event(event);
        const bool handled = QDialog::event(event);
        FitToLines();
        return handled;
    }

  private:
    void FitToLines() {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (label == nullptr || layout() == nullptr) return;
        if (label->wordWrap()) {
            label->setWordWrap(false);
            layout()->invalidate();
        }
        const QSize size = layout()->totalSizeHint().expandedTo(layout()->totalMinimumSize());
        if (size != minimumSize() || size != maximumSize()) setFixedSize(size);
    }
};

// The width a line of the message may take on the screen the box appears on,
// leaving room for the icon and the box's frame.
double LineWidthLimit(QWidget* parent) {
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return std::numeric_limits<double>::infinity();
    constexpr int kIconAndFrame = 120;
    return std::max(200, screen->availableGeometry().width() - kIconAndFrame);
}

}  // namespace

QString MessageCaption(const QString& field) {
    return field.isEmpty() ? kMessageCaption : kMessageCaption + QStringLiteral(" - ") + field;
}

MsgAnswer QtMessageBox::Show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                             const QString& field) {
    // The program's texts break lines with LF; a text that comes with CR LF
    // (from an old file or the system) is shown the same way.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    UnwrappedMessageBox box(ToQtIcon(icon), MessageCaption(field), QString(), ToQtButtons(buttons),
                            parent);
    box.setTextFormat(Qt::PlainText);
    const QFontMetricsF metrics(box.font());
    box.setText(QString::fromStdString(
        BreakLongLines(shown.toStdString(), LineWidthLimit(parent), [&](std::string_view line) {
            return metrics.horizontalAdvance(
                QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        })));
    if (buttons == MsgButtons::YesNoCancel) box.setEscapeButton(QMessageBox::Cancel);
    return FromQtAnswer(box.exec(), buttons);
}

}  // namespace nubera::widgets
