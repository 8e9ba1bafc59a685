#pragma once

#include <QString>

#include "widgets/dialogs/message_box.h"

namespace nubera::widgets {

// The caption of every message box.
inline const QString kMessageCaption = QStringLiteral("ヌベラ");

// The caption of a message about one entry box: "ヌベラ - 開削幅".
QString MessageCaption(const QString& field);

// The desktop implementation: a modal QMessageBox captioned with the program's
// name ("ヌベラ") and the field a message is about; its button texts come
// from Qt's Japanese translation. Its lines break only where the text breaks
// them; the box widens to its longest line, up to the screen's width, beyond
// which a line breaks after 、 or 。.
class QtMessageBox : public MessageBox {
  public:
    MsgAnswer Show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& field) override;
};

}  // namespace nubera::widgets
