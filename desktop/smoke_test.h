#pragma once

#include <QString>
#include <QStringList>

#include "app/preview/result_preview.h"
#include "widgets/dialogs/message_box.h"

namespace nubera {

// What --smoke-test puts in place of the windows that wait for a person: a
// message is printed on standard error and answered with its safe choice
// (OK, いいえ, キャンセル), a finished workbook's path printed instead of
// previewed. Anything said counts as a failed check.
class SmokeTestMessages : public widgets::MessageBox {
  public:
    widgets::MsgAnswer Show(QWidget* parent, const QString& text, widgets::MsgIcon icon,
                            widgets::MsgButtons buttons, const QString& field) override;
    bool AnySaid() const { return anySaid_; }

  private:
    bool anySaid_ = false;
};

class SmokeTestPreview : public app::ResultPreview {
  public:
    void Show(QWidget* owner, const QString& workbook, const QStringList& sheets) override;
    const QString& Workbook() const { return workbook_; }

  private:
    QString workbook_;
};

}  // namespace nubera
