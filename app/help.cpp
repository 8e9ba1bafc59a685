#include "app/help.h"

#include <QDir>
#include <QFileInfo>

#include "widgets/dialogs/document_opener.h"
#include "widgets/dialogs/message_box.h"

namespace nubera::app {
namespace {

QString HelpFile(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("Help/index.html"));
}

}  // namespace

QUrl HelpUrl(const QString& dataFolder, int context) {
    QUrl url = QUrl::fromLocalFile(HelpFile(dataFolder));
    if (context != 0) url.setFragment(QString::number(context));
    return url;
}

void ShowHelp(QWidget* owner, int context, const QString& dataFolder,
              widgets::DocumentOpener& opener, widgets::MessageBox& messages) {
    const QString file = QDir::toNativeSeparators(HelpFile(dataFolder));
    if (!QFileInfo(HelpFile(dataFolder)).isReadable()) {
        messages.Critical(owner, QStringLiteral("ヘルプファイルが見つかりません。\n") + file);
        return;
    }
    if (!opener.Open(HelpUrl(dataFolder, context))) {
        messages.Critical(
            owner, QStringLiteral("ヘルプを開くプログラムが見つかりませんでした。\n") + file +
                       QStringLiteral("\nブラウザーから開いてください。"));
    }
}

}  // namespace nubera::app
