#pragma once

// A message box for widget tests: records every message and answers from a
// plan, so a test can check texts, icons and buttons and steer Yes/No flows.

#include <gtest/gtest.h>

#include <QPointer>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "widgets/dialogs/message_box.h"
#include "widgets/dialogs/message_over_frame.h"

namespace nubera::test {

struct ShownMessage {
    QString text;
    widgets::MsgIcon icon = widgets::MsgIcon::None;
    widgets::MsgButtons buttons = widgets::MsgButtons::Ok;
    // The frame a MessageOverFrame installed just before was to centre it over.
    QPointer<QWidget> centredOver;
    // The entry box the message is about, named in the window title.
    QString field;
};

class ScriptedMessageBox : public widgets::MessageBox {
  public:
    // Answers for the next Yes/No questions, in order. A question without a
    // planned answer fails the test and is answered No.
    void PlanAnswers(std::initializer_list<widgets::MsgAnswer> answers) {
        planned_.insert(planned_.end(), answers);
    }
    // Runs while a message is "on screen" (e.g. to look at the focus then).
    void OnShow(std::function<void(const ShownMessage&)> probe) { probe_ = std::move(probe); }

    widgets::MsgAnswer Show(QWidget*, const QString& text, widgets::MsgIcon icon,
                            widgets::MsgButtons buttons, const QString& field) override {
        shown_.push_back({text, icon, buttons, widgets::MessageOverFrame::Take(), field});
        if (probe_) probe_(shown_.back());
        if (buttons == widgets::MsgButtons::Ok) return widgets::MsgAnswer::Ok;
        if (planned_.empty()) {
            ADD_FAILURE() << "unplanned question: " << text.toStdString();
            return widgets::MsgAnswer::No;
        }
        const widgets::MsgAnswer answer = planned_.front();
        planned_.pop_front();
        return answer;
    }

    const std::vector<ShownMessage>& Shown() const { return shown_; }
    std::vector<QString> Texts() const {
        std::vector<QString> texts;
        for (const auto& message : shown_) texts.push_back(message.text);
        return texts;
    }
    bool AllAnswersUsed() const { return planned_.empty(); }
    void Clear() { shown_.clear(); }

  private:
    std::deque<widgets::MsgAnswer> planned_;
    std::vector<ShownMessage> shown_;
    std::function<void(const ShownMessage&)> probe_;
};

}  // namespace nubera::test
