#pragma once

// The program's print preview of a result workbook: its pages as they print,
// in a maximised modal window with the commands to print (to any printer or
// to PDF), to save the pages as PDF and to open the workbook in the
// desktop's spreadsheet program.

#include <QDialog>
#include <memory>

#include "printout/workbook_printout.h"

class QLabel;
class QPrintPreviewWidget;

namespace nubera {

class DocumentOpener;
class MessageBox;

class PrintPreviewDialog : public QDialog {
    Q_OBJECT

  public:
    PrintPreviewDialog(std::unique_ptr<printout::WorkbookPrintout> printout, MessageBox& messages,
                       DocumentOpener& opener, QWidget* parent = nullptr);
    ~PrintPreviewDialog() override;

    QPrintPreviewWidget* Preview() const { return preview_; }

  private:
    QWidget* CreateCommands();
    void PrintPages();
    void SavePdf();
    void OpenInSpreadsheet();
    void ShowPageNumber();

    std::unique_ptr<printout::WorkbookPrintout> printout_;
    MessageBox& messages_;
    DocumentOpener& opener_;
    QPrintPreviewWidget* preview_ = nullptr;
    QLabel* pageNumber_ = nullptr;
};

}  // namespace nubera
