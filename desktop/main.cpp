// The entry point: one copy of the program at a time, Japanese standard
// dialogs, then the start-up of the desktop program.

#include <QApplication>
#include <QCoreApplication>
#include <csignal>

#include "desktop_opener.h"
#include "desktop_program.h"
#include "instance_lock.h"
#include "japanese_desktop.h"
#include "modal_input_screens.h"
#include "pause.h"
#include "print_preview.h"
#include "qt_file_dialogs.h"
#include "qt_message_box.h"

int main(int argc, char* argv[]) {
    // Past a file-size limit a save fails with its reason in a message box,
    // rather than the signal ending the program with the project unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nubera"));

    // A second copy ends without showing anything; the first one is in use.
    nubera::InstanceLock lock;
    if (!lock.TryAcquire()) return 0;

    nubera::SetUpJapaneseDesktop(application);
    const QString appFolder = QCoreApplication::applicationDirPath();
    nubera::QtMessageBox messages;
    nubera::QtFileDialogs dialogs(appFolder);
    nubera::DesktopOpener opener;
    nubera::PrintPreview preview(messages, opener);
    nubera::ModalInputScreens screens(messages, appFolder);
    nubera::DesktopProgram program(
        {messages, dialogs, opener, preview, screens, appFolder, nubera::PauseKeepingPainted});
    if (!program.Show()) return 1;
    return QApplication::exec();
}
