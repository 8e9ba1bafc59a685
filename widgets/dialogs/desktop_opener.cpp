#include "widgets/dialogs/desktop_opener.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace nubera::widgets {
namespace {

// A desktop that takes longer than this to answer is trusted to have one.
constexpr int kQueryTimeoutMs = 5000;

}  // namespace

bool DesktopHasProgramFor(const QString& file) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) return true;
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"),
                          QMimeDatabase().mimeTypeForFile(file).name()});
    if (!process.waitForFinished(kQueryTimeoutMs)) return true;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
           !process.readAllStandardOutput().trimmed().isEmpty();
#else
    Q_UNUSED(file);
    return true;
#endif
}

bool DesktopOpener::Open(const QUrl& url) {
    if (url.isLocalFile() && !DesktopHasProgramFor(url.toLocalFile())) return false;
    return QDesktopServices::openUrl(url);
}

}  // namespace nubera::widgets
