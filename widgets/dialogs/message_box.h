#pragma once

#include <QString>

class QWidget;

namespace nubera::widgets {

// The icons a message of the program carries. Exclamation is what the program
// uses for every input error (and for the combined style 112).
enum class MsgIcon { None, Exclamation, Information, Question, Critical };
// YesNoCancel: キャンセル is the escape button, so that Esc never answers No
// (a No can throw input away).
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Every modal message of the program goes through this interface, so that the
// real program shows a message box and tests can script the answers. Texts
// are passed exactly as the program defines them, line breaks as LF. A
// message about one entry box names it (`field`) in the box's window title,
// after the program's name, so the person knows which box to look at.
class MessageBox {
  public:
    virtual ~MessageBox() = default;

    virtual MsgAnswer Show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                           const QString& field) = 0;

    // An input error: exclamation icon, OK.
    void Warning(QWidget* parent, const QString& text, const QString& field = {}) {
        Show(parent, text, MsgIcon::Exclamation, MsgButtons::Ok, field);
    }
    void Information(QWidget* parent, const QString& text) {
        Show(parent, text, MsgIcon::Information, MsgButtons::Ok, {});
    }
    void Critical(QWidget* parent, const QString& text) {
        Show(parent, text, MsgIcon::Critical, MsgButtons::Ok, {});
    }
    // A plain notice without an icon, OK.
    void Notice(QWidget* parent, const QString& text) {
        Show(parent, text, MsgIcon::None, MsgButtons::Ok, {});
    }
    // A Yes/No question; true when the answer is Yes.
    bool Ask(QWidget* parent, const QString& text, MsgIcon icon) {
        return Show(parent, text, icon, MsgButtons::YesNo, {}) == MsgAnswer::Yes;
    }
    // A Yes/No question that may also be withdrawn with キャンセル (or Esc).
    MsgAnswer AskOrCancel(QWidget* parent, const QString& text, MsgIcon icon) {
        return Show(parent, text, icon, MsgButtons::YesNoCancel, {});
    }
};

}  // namespace nubera::widgets
