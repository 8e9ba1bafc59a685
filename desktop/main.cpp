// The entry point: one copy of the program at a time, Japanese standard
// dialogs, then the start-up of the application object.

#include <QApplication>

#include "app.h"
#include "document_opener.h"
#include "file_dialogs.h"
#include "input_screens.h"
#include "instance_lock.h"
#include "japanese_desktop.h"
#include "message_box.h"
#include "pause.h"
#include "print_preview_dialog.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nubera"));

    // A second copy ends without showing anything; the first one is in use.
    nubera::InstanceLock lock;
    if (!lock.TryAcquire()) return 0;

    nubera::SetUpJapaneseDesktop(application);
    nubera::QtMessageBox messages;
    nubera::QtFileDialogs dialogs;
    nubera::DesktopOpener opener;
    nubera::PrintPreview preview(messages, opener);
    nubera::App app({messages, dialogs, opener, preview, nubera::MakeInputScreens(),
                     QCoreApplication::applicationDirPath(), nubera::PauseKeepingPainted});
    if (!app.Show()) return 1;
    return QApplication::exec();
}
