#pragma once

#include "app/result_preview.h"

namespace nubera {

class DocumentOpener;
class MessageBox;

// The desktop's preview: reads the workbook and shows the print preview
// dialog modally, maximised; a workbook that cannot be read is reported.
class PrintPreview : public ResultPreview {
  public:
    PrintPreview(MessageBox& messages, DocumentOpener& opener)
        : messages_(messages), opener_(opener) {}

    void Show(QWidget* owner, const QString& workbook, const QStringList& sheets) override;

  private:
    MessageBox& messages_;
    DocumentOpener& opener_;
};

}  // namespace nubera
