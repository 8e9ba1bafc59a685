#pragma once

#include <memory>

#include "app/main_window_services.h"
#include "model/calc_results.h"
#include "model/project_data.h"

namespace nubera {

class MainWindow;
class TitleWindow;

// The program: the one project and the one set of results, the title window
// and the main window. Created once the second-copy check has passed.
class DesktopProgram {
  public:
    explicit DesktopProgram(MainWindowServices services);
    ~DesktopProgram();

    // Checks that the report template is readable in the application folder
    // (when it is not, says so, naming the file, and returns false), shows the
    // title window for one second, then the main window.
    bool Show();

    MainWindow& Window() { return *main_; }

  private:
    bool TemplateReadable() const;

    ProjectData project_;
    CalcResults results_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<TitleWindow> title_;
};

}  // namespace nubera
