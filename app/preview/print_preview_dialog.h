#pragma once

// The program's print preview of a result workbook: its pages as they print,
// in a maximised modal window with the commands to print (to any printer or
// to PDF), to save the pages as PDF and to open the workbook in the
// desktop's spreadsheet program.

#include <QDialog>
#include <functional>
#include <memory>

#include "printout/workbook_printout.h"

class QLabel;
class QPrintPreviewWidget;
class QStatusBar;

namespace nubera::widgets {
class DocumentOpener;
class MessageBox;
}  // namespace nubera::widgets

namespace nubera::app {

class PrintPreviewDialog : public QDialog {
    Q_OBJECT

  public:
    PrintPreviewDialog(std::unique_ptr<printout::WorkbookPrintout> printout,
                       widgets::MessageBox& messages, widgets::DocumentOpener& opener,
                       QWidget* parent = nullptr);
    ~PrintPreviewDialog() override;

    QPrintPreviewWidget* Preview() const { return preview_; }

    // Asks for the PDF's name, starting from `suggested`; empty when the
    // person cancelled. The program asks with the desktop's save dialog;
    // tests answer themselves.
    using PdfNameChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    void SetPdfNameChooser(PdfNameChooser chooser) { choosePdfName_ = std::move(chooser); }
    // Where the last PDF went, or why it did not.
    QString StatusText() const;

  private:
    QWidget* CreateCommands();
    void PrintPages();
    void SavePdf();
    void OpenInSpreadsheet();
    void ShowPageNumber();

    std::unique_ptr<printout::WorkbookPrintout> printout_;
    widgets::MessageBox& messages_;
    widgets::DocumentOpener& opener_;
    QPrintPreviewWidget* preview_ = nullptr;
    QLabel* pageNumber_ = nullptr;
    QStatusBar* status_ = nullptr;
    PdfNameChooser choosePdfName_;
};

}  // namespace nubera::app
