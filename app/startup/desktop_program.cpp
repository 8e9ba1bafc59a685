#include "app/startup/desktop_program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "app/main_window.h"
#include "app/startup/title_window.h"
#include "files/shipped_files.h"
#include "report/result_workbook.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/qt_path.h"
#include "widgets/utf8_text.h"

namespace nubera::app {
DesktopProgram::DesktopProgram(MainWindowServices services)
    : services_(std::move(services)),
      main_(std::make_unique<MainWindow>(session_, services_)),
      title_(std::make_unique<TitleWindow>()) {}

DesktopProgram::~DesktopProgram() = default;

bool DesktopProgram::Show() {
    const MainWindowServices& services = services_;
    if (!TemplateReadable()) {
        // Every place a template is looked for, so the person knows where to put it.
        const std::string places = PlacesLooked(
            DataFolders(widgets::ToPath(services.programFolder)), report::kTemplateFileName);
        services.messages.Critical(
            nullptr,
            QStringLiteral("計算結果のひな形ファイルが見つからないか、読み込めません。\n") +
                widgets::ToQt(places) +
                QStringLiteral("\nプログラムと同じフォルダーに置いてください。"));
        return false;
    }
    // The title window covers only the time the main window takes to be
    // ready, and closes once it is on screen.
    title_->PrepareSplash();
    title_->show();
    QCoreApplication::processEvents();
    main_->Start();
    title_.reset();
    return true;
}

void DesktopProgram::OpenProjectFile(const QString& file, bool toFront) {
    if (toFront) {
        main_->raise();
        main_->activateWindow();
    }
    main_->OpenProjectFile(file);
}

QString DesktopProgram::Title() const {
    return main_->windowTitle().remove(QStringLiteral("[*]"));
}

bool DesktopProgram::TemplateReadable() const {
    QFile file(QDir(services_.dataFolder).filePath(QString::fromUtf8(report::kTemplateFileName)));
    return file.open(QIODevice::ReadOnly);
}

}  // namespace nubera::app
