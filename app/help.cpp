#include "help.h"

#include <QDir>
#include <QFileInfo>

#include "document_opener.h"
#include "message_box.h"

namespace nubera {
namespace {

QString HelpFile(const QString& appFolder) {
    return QDir(appFolder).filePath(QStringLiteral("Help/index.html"));
}

}  // namespace

QUrl HelpUrl(const QString& appFolder, int context) {
    QUrl url = QUrl::fromLocalFile(HelpFile(appFolder));
    if (context != 0) url.setFragment(QString::number(context));
    return url;
}

void ShowHelp(QWidget* owner, int context, const QString& appFolder, DocumentOpener& opener,
              MessageBox& messages) {
    const QString file = QDir::toNativeSeparators(HelpFile(appFolder));
    if (!QFileInfo(HelpFile(appFolder)).isReadable()) {
        messages.Critical(owner, QStringLiteral("ヘルプファイルが見つかりません。\n") + file);
        return;
    }
    if (!opener.Open(HelpUrl(appFolder, context))) {
        messages.Critical(
            owner, QStringLiteral("ヘルプを開くプログラムが見つかりませんでした。\n") + file +
                       QStringLiteral("\nブラウザーから開いてください。"));
    }
}

}  // namespace nubera
