#include "app/preview/print_preview.h"

#include <QDir>
#include <exception>
#include <memory>

#include "app/preview/print_preview_dialog.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/qt_path.h"

namespace nubera::app {

void PrintPreview::Show(QWidget* owner, const QString& workbook, const QStringList& sheets) {
    std::vector<std::string> names;
    for (const QString& sheet : sheets) names.push_back(sheet.toStdString());
    std::unique_ptr<printout::WorkbookPrintout> printout;
    try {
        printout = std::make_unique<printout::WorkbookPrintout>(widgets::ToPath(workbook), names);
    } catch (const std::exception& failure) {
        messages_.Warning(
            owner, QStringLiteral("計算結果ファイルを保存しましたが、表示できませんでした。\n") +
                       QDir::toNativeSeparators(workbook) + QStringLiteral("\n") +
                       QString::fromUtf8(failure.what()) +
                       QStringLiteral("\n表計算ソフトから開いてください。"));
        return;
    }
    PrintPreviewDialog dialog(std::move(printout), messages_, opener_, owner);
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

}  // namespace nubera::app
