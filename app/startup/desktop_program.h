#pragma once

#include <QString>
#include <memory>

#include "app/main_window_services.h"
#include "projectfile/project_session.h"

namespace nubera::app {

class MainWindow;
class TitleWindow;

// The program: the project session, the title window and the main window. Created once the
// second-copy check has passed.
class DesktopProgram {
  public:
    explicit DesktopProgram(MainWindowServices services);
    ~DesktopProgram();

    // Checks that the report template is readable in the application folder
    // (when it is not, says so, naming the file, and returns false), shows the
    // title window until the main window is on screen.
    bool Show();

    // A project file given from outside (the command line, a second copy of
    // the program), loaded as the load command loads it; `toFront` raises and
    // activates the window first.
    void OpenProjectFile(const QString& file, bool toFront);
    // The main window's title without the unsaved-changes mark.
    QString Title() const;

  private:
    bool TemplateReadable() const;

    ProjectSession session_;
    MainWindowServices services_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<TitleWindow> title_;
};

}  // namespace nubera::app
