#pragma once

#include <QString>
#include <functional>

#include "app/screen_opener.h"

namespace nubera::widgets {
class MessageBox;
class FileDialogs;
class DocumentOpener;
}  // namespace nubera::widgets

namespace nubera::app {

class ResultPreview;

// What the main window needs from its surroundings: the real program passes
// message boxes, file dialogs, the desktop, the print preview and the input
// screens; tests pass scripted ones.
struct MainWindowServices {
    widgets::MessageBox& messages;
    widgets::FileDialogs& dialogs;
    widgets::DocumentOpener& opener;
    // Shows a saved result workbook's pages until the person closes them.
    ResultPreview& preview;
    ScreenOpener& screens;
    // Where the report template, the figures and the help are: beside the
    // program, or the installed share/nubera.
    QString dataFolder;
    // The program's own folder: the result workbooks go there when it takes
    // files, else into a folder under documentsFolder (see ResultFolder).
    QString programFolder;
    QString documentsFolder;
    // Waits the given milliseconds while the windows stay painted (user input
    // waits until afterwards). Tests pass one that returns at once.
    std::function<void(int milliseconds)> pause;
};

}  // namespace nubera::app
