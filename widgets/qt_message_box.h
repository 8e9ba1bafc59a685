#pragma once

#include <QString>

#include "widgets/message_box.h"

namespace nubera {

// The caption of every message box.
inline const QString kMessageCaption = QStringLiteral("ヌベラ");

// The desktop implementation: a modal QMessageBox captioned with the program's
// name ("ヌベラ"); its button texts come from Qt's Japanese translation.
class QtMessageBox : public MessageBox {
  public:
    MsgAnswer Show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons) override;
};

}  // namespace nubera
