#include "app/preview/print_preview_dialog.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>
#include <filesystem>

#include "printout/render/printed_pages.h"
#include "text/path_text.h"
#include "widgets/dialogs/document_opener.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/qt_path.h"

namespace nubera::app {
namespace {

QPushButton* AddButton(QBoxLayout* row, const char* name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

QString Native(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(widgets::ToQString(path));
}

// The desktop's save dialog. It does not ask about a file of the same name:
// the name gets its extension first, and the question is asked about that.
QString AskPdfName(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("PDF保存"), suggested,
                                        QStringLiteral("PDF (*.pdf)"), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

}  // namespace

PrintPreviewDialog::PrintPreviewDialog(std::unique_ptr<printout::WorkbookPrintout> printout,
                                       widgets::MessageBox& messages,
                                       widgets::DocumentOpener& opener, QWidget* parent)
    : QDialog(parent),
      printout_(std::move(printout)),
      messages_(messages),
      opener_(opener),
      choosePdfName_(AskPdfName) {
    setObjectName(QStringLiteral("FRM_PrintPreview"));
    setWindowTitle(QStringLiteral("印刷プレビュー - ") +
                   QDir::toNativeSeparators(widgets::ToQString(printout_->Path())));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    // The preview draws through a screen-resolution printer: it only records
    // the pages, which are scaled to the view.
    preview_ = new QPrintPreviewWidget(this);
    preview_->setObjectName(QStringLiteral("PIC_Preview"));
    preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
    preview_->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        printer->setFullPage(true);
        printout::PrintPages(*printer, *printout_);
    });
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, [this] { ShowPageNumber(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateCommands());
    layout->addWidget(preview_, 1);
    status_ = new QStatusBar;
    status_->setObjectName(QStringLiteral("STS_Preview"));
    status_->setSizeGripEnabled(false);
    layout->addWidget(status_);
}

QString PrintPreviewDialog::StatusText() const {
    return status_->currentMessage();
}

PrintPreviewDialog::~PrintPreviewDialog() = default;

QWidget* PrintPreviewDialog::CreateCommands() {
    auto* commands = new QWidget;
    auto* row = new QHBoxLayout(commands);
    row->setContentsMargins(0, 0, 0, 0);
    connect(AddButton(row, "CMD_Print", QStringLiteral("印刷...")), &QPushButton::clicked, this,
            [this] { PrintPages(); });
    connect(AddButton(row, "CMD_SavePdf", QStringLiteral("PDF保存...")), &QPushButton::clicked,
            this, [this] { SavePdf(); });
    connect(AddButton(row, "CMD_OpenWorkbook", QStringLiteral("表計算ソフトで開く")),
            &QPushButton::clicked, this, [this] { OpenInSpreadsheet(); });
    row->addSpacing(16);
    connect(AddButton(row, "CMD_PrevPage", QStringLiteral("前ページ")), &QPushButton::clicked, this,
            [this] {
                preview_->setCurrentPage(preview_->currentPage() - 1);
                ShowPageNumber();
            });
    pageNumber_ = new QLabel;
    pageNumber_->setObjectName(QStringLiteral("LBL_Page"));
    row->addWidget(pageNumber_);
    connect(AddButton(row, "CMD_NextPage", QStringLiteral("次ページ")), &QPushButton::clicked, this,
            [this] {
                preview_->setCurrentPage(preview_->currentPage() + 1);
                ShowPageNumber();
            });
    row->addSpacing(16);
    connect(AddButton(row, "CMD_ZoomOut", QStringLiteral("縮小")), &QPushButton::clicked, preview_,
            [this] { preview_->zoomOut(); });
    connect(AddButton(row, "CMD_ZoomIn", QStringLiteral("拡大")), &QPushButton::clicked, preview_,
            [this] { preview_->zoomIn(); });
    connect(AddButton(row, "CMD_FitPage", QStringLiteral("ページ全体")), &QPushButton::clicked,
            preview_, [this] { preview_->fitInView(); });
    row->addStretch(1);
    connect(AddButton(row, "CMD_Close", QStringLiteral("閉じる")), &QPushButton::clicked, this,
            &QDialog::accept);
    return commands;
}

void PrintPreviewDialog::ShowPageNumber() {
    pageNumber_->setText(
        QStringLiteral("%1 / %2").arg(preview_->currentPage()).arg(preview_->pageCount()));
}

// The printer's dialog chooses the printer (a PDF file among them) and the
// pages; each page prints on the paper its sheet asks for.
void PrintPreviewDialog::PrintPages() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(widgets::ToQString(printout_->Path().stem()));
    printer.setFullPage(true);
    const int count = printout_->PageCount();
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, count);
    dialog.setFromTo(1, count);
    if (dialog.exec() != QDialog::Accepted) return;
    int first = 0;
    int last = count - 1;
    if (printer.printRange() == QPrinter::PageRange) {
        first = std::clamp(printer.fromPage() - 1, 0, count - 1);
        last = std::clamp(printer.toPage() - 1, first, count - 1);
    }
    if (!printout::PrintPages(printer, *printout_, first, last)) {
        messages_.Warning(
            this, QStringLiteral("印刷できませんでした。\nプリンターの設定をご確認ください。"));
    }
}

void PrintPreviewDialog::SavePdf() {
    std::filesystem::path suggested = printout_->Path();
    suggested.replace_extension(".pdf");
    const QString chosen = choosePdfName_(this, widgets::ToQString(suggested));
    if (chosen.trimmed().isEmpty()) return;
    const std::filesystem::path path = WithExtension(widgets::ToPath(chosen), ".pdf");
    if (std::filesystem::exists(path) &&
        !messages_.Ask(
            this, QStringLiteral("同名のファイルが存在します、上書きしますか？\n") + Native(path),
            widgets::MsgIcon::None)) {
        return;
    }
    if (const std::string failure = printout::WritePdf(*printout_, path); !failure.empty()) {
        status_->clearMessage();
        messages_.Warning(this, QString::fromStdString(failure));
        return;
    }
    status_->showMessage(QStringLiteral("PDFを保存しました: ") + Native(path));
}

void PrintPreviewDialog::OpenInSpreadsheet() {
    if (opener_.Open(QUrl::fromLocalFile(widgets::ToQString(printout_->Path())))) return;
    messages_.Warning(
        this, QStringLiteral("計算結果ファイルを開くプログラムが見つかりませんでした。\n") +
                  Native(printout_->Path()) + QStringLiteral("\n表計算ソフトから開いてください。"));
}

}  // namespace nubera::app
