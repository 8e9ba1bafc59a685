#include "app/preview/print_preview_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/preview/print_preview.h"
#include "report/result_workbook.h"
#include "tests/app/main_window_harness.h"
#include "widgets/qt_path.h"

namespace nubera::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// The packed report template prints too: each summary sheet on one page.
QString TemplatePath() {
    return QStringLiteral(NUBERA_BINARY_DIR "/bin/") + QString::fromUtf8(report::kTemplateFileName);
}

const QStringList kSummaries{QStringLiteral("即時沈下量のまとめ"),
                             QStringLiteral("側方変位量のまとめ")};

class FailingOpener : public widgets::DocumentOpener {
  public:
    bool Open(const QUrl&) override { return false; }
};

class PrintPreviewDialogTest : public ::testing::Test {
  protected:
    std::unique_ptr<app::PrintPreviewDialog> Dialog(widgets::DocumentOpener& desktop) {
        auto printout = std::make_unique<printout::WorkbookPrintout>(
            widgets::ToPath(TemplatePath()),
            std::vector<std::string>{kSummaries[0].toStdString(), kSummaries[1].toStdString()});
        auto dialog =
            std::make_unique<app::PrintPreviewDialog>(std::move(printout), messages, desktop);
        dialog->show();
        dialog->Preview()->updatePreview();
        return dialog;
    }
    template <typename Widget>
    static Widget* Find(QWidget& dialog, const char* name) {
        return Child<Widget>(dialog, QString::fromLatin1(name));
    }

    ScriptedMessageBox messages;
    RecordingOpener opener;
};

TEST_F(PrintPreviewDialogTest, ShowsEveryPageAndTurnsThem) {
    auto dialog = Dialog(opener);
    EXPECT_EQ(dialog->Preview()->pageCount(), 2);
    auto* page = Find<QLabel>(*dialog, "LBL_Page");
    EXPECT_EQ(page->text(), QStringLiteral("1 / 2"));
    Find<QPushButton>(*dialog, "CMD_NextPage")->click();
    EXPECT_EQ(page->text(), QStringLiteral("2 / 2"));
    Find<QPushButton>(*dialog, "CMD_PrevPage")->click();
    EXPECT_EQ(page->text(), QStringLiteral("1 / 2"));
    for (const char* command :
         {"CMD_Print", "CMD_SavePdf", "CMD_ZoomIn", "CMD_ZoomOut", "CMD_FitPage"}) {
        EXPECT_TRUE(Find<QPushButton>(*dialog, command)->isEnabled()) << command;
    }
}

TEST_F(PrintPreviewDialogTest, OpensTheWorkbookInTheDesktopsSpreadsheetProgram) {
    auto dialog = Dialog(opener);
    Find<QPushButton>(*dialog, "CMD_OpenWorkbook")->click();
    EXPECT_EQ(opener.opened, std::vector<QUrl>({QUrl::fromLocalFile(TemplatePath())}));
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(dialog->isVisible());  // the preview stays
}

TEST_F(PrintPreviewDialogTest, AWorkbookTheDesktopCannotOpenIsReported) {
    FailingOpener failing;
    auto dialog = Dialog(failing);
    Find<QPushButton>(*dialog, "CMD_OpenWorkbook")->click();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_THAT(messages.Shown()[0].text.toStdString(),
                StartsWith("計算結果ファイルを開くプログラムが見つかりませんでした。\n"));
    EXPECT_THAT(messages.Shown()[0].text.toStdString(), HasSubstr(report::kTemplateFileName));
}

// A name typed without an extension gets ".pdf"; the overwrite question is
// about that name, and the status line says where the PDF went.
TEST_F(PrintPreviewDialogTest, APdfNameWithoutExtensionGetsPdfAndTheStatusSaysWhere) {
    QTemporaryDir folder;
    auto dialog = Dialog(opener);
    dialog->SetPdfNameChooser(
        [&](QWidget*, const QString&) { return folder.filePath(QStringLiteral("report")); });
    Find<QPushButton>(*dialog, "CMD_SavePdf")->click();
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    EXPECT_TRUE(QFileInfo::exists(pdf));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("report"))));
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(dialog->StatusText(), QStringLiteral("PDFを保存しました: ") + pdf);

    QFile::resize(pdf, 0);
    messages.PlanAnswers({widgets::MsgAnswer::No});
    Find<QPushButton>(*dialog, "CMD_SavePdf")->click();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("同名のファイルが存在します、上書きしますか？\n") + pdf);
    EXPECT_EQ(QFileInfo(pdf).size(), 0) << "いいえ keeps the file";
}

TEST_F(PrintPreviewDialogTest, ShowWaitsForTheMaximisedModalPreviewToClose) {
    app::PrintPreview preview(messages, opener);
    bool sawModalMaximised = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<app::PrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        sawModalMaximised = dialog->isModal() && (dialog->windowState() & Qt::WindowMaximized);
        InEventLoop([&] { Find<QPushButton>(*dialog, "CMD_Close")->click(); });
    });
    preview.Show(nullptr, TemplatePath(), kSummaries);
    EXPECT_TRUE(sawModalMaximised);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(PrintPreviewDialogTest, AWorkbookThatCannotBeReadIsReportedWithoutAPreview) {
    app::PrintPreview preview(messages, opener);
    preview.Show(nullptr, QStringLiteral(NUBERA_BINARY_DIR "/no-such-workbook.xlsx"), kSummaries);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_THAT(messages.Shown()[0].text.toStdString(),
                StartsWith("計算結果ファイルを保存しましたが、表示できませんでした。"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace nubera::test
