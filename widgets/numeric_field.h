#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QString>
#include <functional>
#include <optional>

#include "text/number_text.h"

namespace nubera::widgets {

class MessageBox;

// The messages of the entry boxes, shared with the screens' own checks.
inline const QString kInvalidEntryMessage = QString::fromUtf8(kInvalidValueMessage);
// "入力値は" + limit as an integer + "以下にしてください。"
QString LimitMessage(double limit);

// Which characters a box lets the user type (or paste): every box digits
// and "."; a signed box "-" too.
enum class KeyFilter {
    Decimal,        // digits and "."
    SignedDecimal,  // digits, "." and "-"
};

// The numeric entry box every screen uses: the whole text is selected when the
// box gets the focus; text typed, pasted or committed by an input method goes
// in by one rule (CheckEntryInsertion): full-width digits, point and signs as
// their ASCII equivalents, anything else refused as a whole, visibly (a beep
// and a tooltip saying what the box takes; the box keeps its text), never
// dropped character by character (that would turn "2800.5" into 28005).
// Enter (with or without Ctrl or Shift) checks the text, rewrites it rounded
// to two decimals in the "0.00" format and moves on. The box holds plain
// text; screens read the value when they need it.
class NumericField : public QLineEdit {
    Q_OBJECT

  public:
    enum class EnterOutcome { Empty, Rejected, Accepted };

    NumericField(MessageBox& messages, KeyFilter filter, QWidget* parent = nullptr);

    KeyFilter Filter() const { return filter_; }
    // The box's caption on its screen ("開削幅"), named in the title of the
    // messages about it.
    void SetFieldName(const QString& name) { fieldName_ = name; }
    const QString& FieldName() const { return fieldName_; }
    // Why the last text was refused and what the box takes; empty once a
    // text went in.
    const QString& LastRefusal() const { return lastRefusal_; }

    // Values above `limit` are refused on Enter with LimitMessage (the limit
    // itself is accepted).
    void SetUpperLimit(double limit);
    // A general check of the value on Enter: returns the message to report,
    // or an empty text when the value is acceptable. Replaces any limit.
    void SetValueCheck(std::function<QString(double)> check);
    // What follows a successful Enter instead of moving to the next control.
    void SetAfterEnter(std::function<void()> step);
    // Replaces the whole Enter handling (a screen's own rules for one box).
    void SetEnterHandler(std::function<void()> handler);

    // The value of the text by the entry syntax, or nothing when not numeric.
    std::optional<double> Value() const;

    // Enter steps 1 to 4: an empty text passes, a non-numeric text or a value
    // the check refuses is reported (focus back, text selected), anything else
    // is rewritten as RoundHalf to two decimals, "0.00". Moves no focus.
    EnterOutcome CheckEntry();
    // Rewrites the text as `value` rounded half up to two decimals, "0.00".
    void Normalise(double value);

    // The whole Enter handling as configured.
    void HandleEnter();

    // Shows `text` with the exclamation icon and OK, then puts the focus back
    // on this box with its whole text selected.
    void ReportAndRefocus(const QString& text);

    // Moves the focus on as Tab does (skipping controls that cannot take it).
    void FocusNext();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Pastes the clipboard's text at the cursor by the box's rule.
    void PasteChecked(QClipboard::Mode mode);
    // Puts `text` in at the cursor as the rule converts it, or refuses it.
    void InsertChecked(const QString& text);
    void Refuse(const QString& refusal);

    MessageBox& messages_;
    KeyFilter filter_;
    std::function<QString(double)> valueCheck_;
    std::function<void()> afterEnter_;
    std::function<void()> enterHandler_;
    QString lastRefusal_;
    QString fieldName_;
};

}  // namespace nubera::widgets
