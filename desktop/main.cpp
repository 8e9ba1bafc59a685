// The entry point: the command line, one copy of the program at a time (a
// second copy hands its file to the first), Japanese standard dialogs, then
// the start-up of the desktop program.

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "app/modal_screen_opener.h"
#include "app/preview/print_preview.h"
#include "app/startup/desktop_program.h"
#include "app/startup/instance_lock.h"
#include "app/startup/running_copy.h"
#include "desktop/smoke_test.h"
#include "files/shipped_files.h"
#include "report/result_workbook.h"
#include "version.h"
#include "widgets/dialogs/desktop_opener.h"
#include "widgets/dialogs/japanese_desktop.h"
#include "widgets/dialogs/qt_file_dialogs.h"
#include "widgets/dialogs/qt_message_box.h"
#include "widgets/pause.h"
#include "widgets/qt_path.h"

namespace {

struct CommandLine {
    QString file;  // absolute; empty when none was given
    bool smokeTest = false;
};

// Read before any window system is needed, so that --help and --version
// work without a display; they print and end the program here, as does an
// unknown option (exit status 2).
CommandLine ReadCommandLine(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QString::fromUtf8(nubera::kProgramAndVersion) +
        QStringLiteral(": 盛土荷重による即時沈下量と側方変位量の計算"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the program's name and version."));
    const QCommandLineOption smokeTest(
        QStringLiteral("smoke-test"),
        QStringLiteral("Start, print the main window's title and end; with PROJECT, load it, "
                       "calculate it as 実行 does and print where its workbook went (checks an "
                       "installation). Messages go to standard error and fail the check."));
    parser.addOptions({help, version, smokeTest});
    parser.addPositionalArgument(QStringLiteral("PROJECT"),
                                 QStringLiteral("A project file (.nbr) to load."), "[PROJECT]");
    // Without an application object the parser does not know the program's name.
    const QString usage =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("nubera"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n%s", parser.errorText().toLocal8Bit().constData(),
                     usage.toLocal8Bit().constData());
        std::exit(2);
    }
    if (parser.isSet(help)) {
        std::fputs(usage.toLocal8Bit().constData(), stdout);
        std::exit(0);
    }
    if (parser.isSet(version)) {
        std::puts(nubera::kProgramAndVersion);
        std::exit(0);
    }
    const QStringList files = parser.positionalArguments();
    return {files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath(),
            parser.isSet(smokeTest)};
}

// Beside the program when its files are there (a build tree, a copied
// folder), else the installed share/nubera.
QString DataFolder(const QString& programFolder) {
    const auto found =
        nubera::FindShippedFile(nubera::DataFolders(nubera::widgets::ToPath(programFolder)),
                                nubera::report::kTemplateFileName);
    return found ? nubera::widgets::ToQString(found->parent_path()) : programFolder;
}

// Presses 実行 as a person would.
void PressRun() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* run = window->findChild<QAbstractButton*>(QStringLiteral("CMD_Exec"));
        if (run && run->isEnabled()) run->click();
    }
}

// The window's title; with a project, its run as 実行 starts it and the
// workbook's path. 0 when nothing was said and a project's workbook was written.
int SmokeTest(const nubera::app::DesktopProgram& program, bool withProject,
              const nubera::SmokeTestMessages& messages, const nubera::SmokeTestPreview& preview) {
    std::puts(program.Title().toUtf8().constData());
    if (withProject) {
        PressRun();
        if (preview.Workbook().isEmpty()) {
            std::fputs("--smoke-test: no result workbook was written\n", stderr);
            return 1;
        }
        std::puts(QDir::toNativeSeparators(preview.Workbook()).toUtf8().constData());
    }
    return messages.AnySaid() ? 1 : 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Past a file-size limit a save fails with its reason in a message box,
    // rather than the signal ending the program with the project unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    const CommandLine commandLine = ReadCommandLine(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nubera"));

    // A second copy gives its file to the first, says so and ends without
    // showing a window. The first copy opens it once nothing is open there.
    nubera::app::InstanceLock lock;
    if (!lock.TryAcquire()) {
        if (commandLine.file.isEmpty()) return 0;
        if (!nubera::app::RunningCopy::HandOver(commandLine.file)) {
            std::fprintf(stderr, "起動中のヌベラにファイルを渡せませんでした: %s\n",
                         commandLine.file.toLocal8Bit().constData());
            return 1;
        }
        std::printf(
            "起動中のヌベラにファイルを渡しました。開いている画面を閉じると読み込まれます: %s\n",
            commandLine.file.toLocal8Bit().constData());
        return 0;
    }

    nubera::widgets::SetUpJapaneseDesktop(application);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/nubera.svg")));
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString dataFolder = DataFolder(programFolder);
    // A smoke test runs with nobody at the screen: nothing may wait for a person.
    nubera::widgets::QtMessageBox shownMessages;
    nubera::SmokeTestMessages smokeTestMessages;
    nubera::widgets::MessageBox& messages =
        commandLine.smokeTest ? static_cast<nubera::widgets::MessageBox&>(smokeTestMessages)
                              : shownMessages;
    nubera::widgets::QtFileDialogs dialogs(programFolder);
    nubera::widgets::DesktopOpener opener;
    nubera::app::PrintPreview shownPreview(messages, opener);
    nubera::SmokeTestPreview smokeTestPreview;
    nubera::app::ResultPreview& preview =
        commandLine.smokeTest ? static_cast<nubera::app::ResultPreview&>(smokeTestPreview)
                              : shownPreview;
    nubera::app::ModalScreenOpener screens(messages, dataFolder);
    screens.SetBoringFileChooser(
        [&dialogs](QWidget* parent) { return dialogs.OpenBoringName(parent); });
    nubera::app::DesktopProgram program(
        {messages, dialogs, opener, preview, screens, dataFolder, programFolder,
         QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
         nubera::widgets::PauseKeepingPainted});
    if (!program.Show()) return 1;
    nubera::app::RunningCopy runningCopy;
    runningCopy.Listen([&program](const QString& file) { program.OpenProjectFile(file, true); });
    if (!commandLine.file.isEmpty()) program.OpenProjectFile(commandLine.file, false);
    if (commandLine.smokeTest) {
        return SmokeTest(program, !commandLine.file.isEmpty(), smokeTestMessages, smokeTestPreview);
    }
    return QApplication::exec();
}
