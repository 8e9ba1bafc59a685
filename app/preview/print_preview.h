#pragma once

#include "app/preview/result_preview.h"

namespace nubera::widgets {
class DocumentOpener;
class MessageBox;
}  // namespace nubera::widgets

namespace nubera::app {

// The desktop's preview: reads the workbook and shows the print preview
// dialog modally, maximised; a workbook that cannot be read is reported.
class PrintPreview : public ResultPreview {
  public:
    PrintPreview(widgets::MessageBox& messages, widgets::DocumentOpener& opener)
        : messages_(messages), opener_(opener) {}

    void Show(QWidget* owner, const QString& workbook, const QStringList& sheets) override;

  private:
    widgets::MessageBox& messages_;
    widgets::DocumentOpener& opener_;
};

}  // namespace nubera::app
