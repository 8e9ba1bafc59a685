#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace nubera::widgets {
class DocumentOpener;
class MessageBox;
}  // namespace nubera::widgets

namespace nubera::app {

// The help: Help/index.html in the application folder. Context 0 is its table
// of contents; any other number is the topic whose anchor is that number.
QUrl HelpUrl(const QString& dataFolder, int context);

// Opens the help in the desktop's browser. A missing help file, or a desktop
// without a program to open it, is reported with the critical icon, naming
// the file.
void ShowHelp(QWidget* owner, int context, const QString& dataFolder,
              widgets::DocumentOpener& opener, widgets::MessageBox& messages);

}  // namespace nubera::app
