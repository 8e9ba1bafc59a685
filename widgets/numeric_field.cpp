#include "widgets/numeric_field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QToolTip>

#include "text/number_entry.h"
#include "text/number_text.h"
#include "text/round_half.h"
#include "widgets/dialogs/message_box.h"

namespace nubera::widgets {

QString LimitMessage(double limit) {
    return QStringLiteral("入力値は") + QString::number(static_cast<qint64>(limit)) +
           QStringLiteral("以下にしてください。");
}

namespace {

EntrySign SignOf(KeyFilter filter) {
    return filter == KeyFilter::SignedDecimal ? EntrySign::Signed : EntrySign::Unsigned;
}

}  // namespace

NumericField::NumericField(MessageBox& messages, KeyFilter filter, QWidget* parent)
    : QLineEdit(parent), messages_(messages), filter_(filter) {
    // Text reaches the box only through the checked paths: a drop or a
    // middle-click paste would bypass the rule.
    setAcceptDrops(false);
}

void NumericField::SetUpperLimit(double limit) {
    SetValueCheck(
        [limit](double value) { return value > limit ? LimitMessage(limit) : QString(); });
}

void NumericField::SetValueCheck(std::function<QString(double)> check) {
    valueCheck_ = std::move(check);
}

void NumericField::SetAfterEnter(std::function<void()> step) {
    afterEnter_ = std::move(step);
}

void NumericField::SetEnterHandler(std::function<void()> handler) {
    enterHandler_ = std::move(handler);
}

std::optional<double> NumericField::Value() const {
    return ParseNumericText(text().toStdString());
}

NumericField::EnterOutcome NumericField::CheckEntry() {
    if (text().isEmpty()) return EnterOutcome::Empty;
    const std::optional<double> value = Value();
    if (!value) {
        ReportAndRefocus(kInvalidEntryMessage);
        return EnterOutcome::Rejected;
    }
    if (valueCheck_) {
        if (const QString message = valueCheck_(*value); !message.isEmpty()) {
            ReportAndRefocus(message);
            return EnterOutcome::Rejected;
        }
    }
    Normalise(*value);
    return EnterOutcome::Accepted;
}

void NumericField::Normalise(double value) {
    setText(QString::fromStdString(FormatFixed2(RoundHalf(value))));
}

void NumericField::HandleEnter() {
    if (enterHandler_) {
        enterHandler_();
        return;
    }
    switch (CheckEntry()) {
        case EnterOutcome::Empty:
            FocusNext();
            break;
        case EnterOutcome::Rejected:
            break;
        case EnterOutcome::Accepted:
            afterEnter_ ? afterEnter_() : FocusNext();
            break;
    }
}

void NumericField::ReportAndRefocus(const QString& text) {
    messages_.Warning(window(), text, fieldName_);
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

void NumericField::FocusNext() {
    focusNextChild();
}

// A value copied from a spreadsheet cell or a document comes with a line
// break or blanks around it; they are no part of the number.
void NumericField::PasteChecked(QClipboard::Mode mode) {
    const QString pasted = QGuiApplication::clipboard()->text(mode).trimmed();
    if (!pasted.isEmpty()) InsertChecked(pasted);
}

void NumericField::InsertChecked(const QString& text) {
    const EntryInsertion verdict = CheckEntryInsertion(text.toStdString(), SignOf(filter_));
    if (!verdict.accepted) {
        Refuse(QString::fromStdString(verdict.refusal));
        return;
    }
    lastRefusal_.clear();
    QToolTip::hideText();
    insert(QString::fromStdString(verdict.text));
}

void NumericField::Refuse(const QString& refusal) {
    lastRefusal_ = refusal;
    QApplication::beep();
    QToolTip::showText(mapToGlobal(QPoint(0, height())), refusal, this);
}

void NumericField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Back from the box's own context menu the person is still editing: the
    // cursor stays, so that the menu's paste goes where it was.
    if (event->reason() == Qt::PopupFocusReason) return;
    selectAll();
    // A click places the cursor after the focus has arrived; select once it has.
    if (event->reason() == Qt::MouseFocusReason) QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void NumericField::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        HandleEnter();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteChecked(QClipboard::Clipboard);
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint()) {
        InsertChecked(typed);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// An input method commits whole texts (full-width digits among them); they go
// in by the same rule, the text being composed is shown as usual.
void NumericField::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const EntryInsertion verdict =
        CheckEntryInsertion(event->commitString().toStdString(), SignOf(filter_));
    QInputMethodEvent checked(event->preeditString(), event->attributes());
    if (verdict.accepted) {
        lastRefusal_.clear();
        checked.setCommitString(QString::fromStdString(verdict.text), event->replacementStart(),
                                event->replacementLength());
    }
    QLineEdit::inputMethodEvent(&checked);
    if (!verdict.accepted) Refuse(QString::fromStdString(verdict.refusal));
}

void NumericField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's paste item is the one wired to the unchecked paste (by name
    // in some Qt versions, by member pointer in others).
    for (QAction* action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
            disconnect(action, &QAction::triggered, this, &QLineEdit::paste)) {
            connect(action, &QAction::triggered, this,
                    [this] { PasteChecked(QClipboard::Clipboard); });
        }
    }
    menu->popup(event->globalPos());
}

void NumericField::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection, checked here too.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        PasteChecked(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace nubera::widgets
