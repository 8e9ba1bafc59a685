#pragma once

#include <QStringList>

class QWidget;

namespace nubera::app {

// Shows the printed pages of a saved result workbook until the person closes
// them: the program's print preview, from which they print, save a PDF or
// open the workbook in the desktop's spreadsheet program. Tests pass a recorder.
class ResultPreview {
  public:
    virtual ~ResultPreview() = default;

    // Returns once the preview is closed; a workbook that cannot be shown is
    // reported to the person. `sheets` are shown in this order.
    virtual void Show(QWidget* owner, const QString& workbook, const QStringList& sheets) = 0;
};

}  // namespace nubera::app
